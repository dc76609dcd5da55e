#pragma once
// Quick-look pictures for whoever changes the drawing: the keyboard as the
// main window shows it with every label field over it, and a composed insert.

#include <QImage>

namespace orbaklaw::rysunek {

QImage PodgladOkna(const QImage& klawiatura);
QImage PodgladWkladki(const QImage& wkladka);

} // namespace orbaklaw::rysunek
