#pragma once
// The outputs named on orbaklaw-cli's command line, checked before anything
// is read or written: an output must not be KONFIG.TXT or RAPORT.TXT
// (whatever its case and folder, or a link to either), a folder, a device, a FIFO or one of the
// command's inputs. Inputs need no check of their own: they are read by the
// program's readers, which take only a regular file within the bounds of its
// kind (files/GraniceOdczytu.h). Paths are used as the bytes given.

#include "files/PlikTekstowy.h"

#include <optional>
#include <string>
#include <vector>

namespace orbaklaw::cli {

// Why `sciezka` can't be written as an output of a command reading `wejscia`
// (naming the path when the reason is about the file), or none when it can.
[[nodiscard]] std::optional<BladWejsciaWyjscia>
ProblemWyjscia(const std::string& sciezka, const std::vector<std::string>& wejscia = {});

} // namespace orbaklaw::cli
