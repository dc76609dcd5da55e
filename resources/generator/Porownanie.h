#pragma once
// Whether a picture drawn anew is the committed one. Qt's raster engine
// rounds anti-aliased edges by one level differently on processors with
// other vector units, so a level of difference per channel is the same
// picture; anything more is a change to the drawing.

#include <QString>

namespace orbaklaw::rysunek {

// True when `narysowany` and `zapisany` hold the same picture: decoded
// pictures (PNG, JPEG, BMP) of one size whose channels differ by at most one
// level, or other files (the animated cursor, the icon's SVG) of one length
// whose bytes do.
bool TenSamObraz(const QString& narysowany, const QString& zapisany);

} // namespace orbaklaw::rysunek
