#pragma once
// The insert as a one-page PDF file, drawn at its true size from the
// top-left corner of the page's printable area. The document is made in
// memory and saved as a whole (ZapisAtomowy): a full disk is reported and
// never leaves a cut PDF, nor touches an older file of that name.

#include "files/BladWejsciaWyjscia.h"

#include <QImage>
#include <QPageLayout>

#include <filesystem>
#include <optional>
#include <string>

namespace orbaklaw {

// The PDF's bytes at `dpi` device pixels to the inch; none when it can't be
// drawn.
std::optional<std::string> PdfWkladki(const QImage& obraz, const QPageLayout& uklad, int dpi);

// Why a PDF of the insert or of the key list was not saved: it could not be
// drawn (Windows-1250).
const char* PdfNiePowstal();

// Saves that PDF as `plik`; else the reason, naming `plik`.
WynikPliku<void> ZapiszPdfWkladki(const QImage& obraz, const std::filesystem::path& plik,
                                  const QPageLayout& uklad, int dpi);

} // namespace orbaklaw
