#pragma once
// Saving a picture as a 24-bit Windows bitmap, replacing the file atomically.

#include <QImage>

#include <filesystem>
#include <string>

namespace orbaklaw {

// The whole bitmap file of `obraz`.
std::string ObrazJakoBmp(const QImage& obraz);

// Throws BladWejsciaWyjscia when the file can't be written; an old file of
// that name is then left as it was.
void ZapiszObrazBmp(const QImage& obraz, const std::filesystem::path& plik);

} // namespace orbaklaw
