#pragma once
// orbaklaw-cli insert: the insert picture composed from a label file, for
// users who print elsewhere or in bulk.

#include <QGuiApplication>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace orbaklaw::cli {

// The application Qt's fonts and drawing need, unless one runs already.
std::unique_ptr<QGuiApplication> AplikacjaCli();

// insert LABELS.bm0 OUT.bmp [--pdf OUT.pdf]
int Wkladka(const std::vector<std::string>& argumenty, std::ostream& out, std::ostream& err);

} // namespace orbaklaw::cli
