#pragma once
// Whether a file the program is asked to write is one of the two files the
// register library keeps for itself (KONFIG.TXT, RAPORT.TXT). Their names
// alone aren't enough: a symbolic link or a hard link under another name
// would let a save replace the configuration or the report, so the file is
// also known by where its links lead and by its identity.

#include <filesystem>
#include <optional>
#include <string>

namespace orbaklaw {

// The name (as it is spelt where it was found) of the reserved file that
// `sciezka` is: its own name part; the name of any symbolic link on its way;
// or, for the same file under another name, the reserved name in the folder
// of the file, of the path given or the current folder. None when writing
// `sciezka` touches neither.
[[nodiscard]] std::optional<std::string> PlikZastrzezony(const std::filesystem::path& sciezka);

} // namespace orbaklaw
