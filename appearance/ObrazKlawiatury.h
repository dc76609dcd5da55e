#pragma once
// The keyboard picture shown under the label fields.

#include <QImage>
#include <QSize>

namespace orbaklaw {

constexpr QSize RozmiarObrazuKlawiatury{1074, 1216};
// The picture's place in the main window; label fields are laid out over it.
constexpr QSize RozmiarPolaKlawiatury{358, 406};

// The JPEG compiled into the program, decoded (1074 x 1216, RGB888).
QImage WczytajObrazKlawiatury();

} // namespace orbaklaw
