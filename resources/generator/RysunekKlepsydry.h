#pragma once
// The frames of the animated busy cursor: an hour-glass whose sand runs down.

#include <QImage>

#include <vector>

namespace orbaklaw::rysunek {

std::vector<QImage> KlatkiKlepsydry();

} // namespace orbaklaw::rysunek
