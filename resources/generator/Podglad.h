#pragma once
// Quick-look pictures for whoever changes the drawing: the keyboard as the
// main window shows it with every label field over it, a composed insert and
// the busy cursor's frames.

#include <QByteArray>
#include <QImage>

namespace orbaklaw::rysunek {

QImage PodgladOkna(const QImage& klawiatura);
QImage PodgladWkladki(const QImage& wkladka);
// The frames of an animated cursor file side by side, four times enlarged.
QImage PodgladKursora(const QByteArray& ani);

} // namespace orbaklaw::rysunek
