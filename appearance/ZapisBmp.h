#pragma once
// Saving a picture as a 24-bit Windows bitmap, replacing the file atomically.

#include "files/BladWejsciaWyjscia.h"

#include <QImage>

#include <filesystem>
#include <string>

namespace orbaklaw {

// The whole bitmap file of `obraz`.
std::string ObrazJakoBmp(const QImage& obraz);

// Else the reason the file can't be written; an old file of that name is
// then left as it was.
WynikPliku<void> ZapiszObrazBmp(const QImage& obraz, const std::filesystem::path& plik);

} // namespace orbaklaw
