#pragma once
// Draws the keyboard in window pixels (358 x 406); the caller scales the painter.

#include <QPainter>

namespace orbaklaw::rysunek {

enum class Styl {
    Obudowa, // the register's keyboard as shown in the main window
    Papier,  // the paper insert: the same keys printed on white
};

void RysujKlawiature(QPainter& malarz, Styl styl);

} // namespace orbaklaw::rysunek
