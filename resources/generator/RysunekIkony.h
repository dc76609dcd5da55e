#pragma once
// The program's icon: a cash register's programmable keyboard seen from
// above, a display strip and a block of keys with one key picked out. The
// same shapes make the scalable SVG and the PNG, so the two always agree.

#include <QByteArray>
#include <QImage>

namespace orbaklaw::rysunek {

// The icon as an SVG document (UTF-8).
QByteArray IkonaSvg();
// The icon drawn at `rozmiar` × `rozmiar` pixels on a transparent ground.
QImage IkonaPng(int rozmiar);

} // namespace orbaklaw::rysunek
