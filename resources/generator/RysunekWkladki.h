#pragma once
// The blank insert: the tab strip on the left and the keyboard printed at
// the scale the insert composition uses.

#include <QImage>

namespace orbaklaw::rysunek {

QImage RysujWkladke();

} // namespace orbaklaw::rysunek
