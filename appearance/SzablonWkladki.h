#pragma once
// The blank insert: the keyboard at about three times the on-screen scale,
// with the insert's tab on the left, meant to be printed at 300 pixels per inch.

#include <QImage>
#include <QSize>

namespace orbaklaw {

constexpr QSize RozmiarSzablonuWkladki{1314, 1219};
constexpr int DpiWkladki = 300;

// The template bitmap compiled into the program (1314 x 1219, RGB888).
QImage WczytajSzablonWkladki();

} // namespace orbaklaw
