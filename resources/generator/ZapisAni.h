#pragma once
// Writes an animated cursor file (RIFF "ACON") of 32-bit cursor frames.

#include <QImage>
#include <QPoint>

#include <string>
#include <vector>

namespace orbaklaw::rysunek {

std::string PlikAniZKlatek(const std::vector<QImage>& klatki, QPoint punktAktywny,
                           unsigned jiffies);

} // namespace orbaklaw::rysunek
