#pragma once
// Where the running program finds what goes with it: the register libraries
// and its data files. In the build tree everything sits in the program's own
// folder; an installed tree keeps the libraries and the data in folders found
// relative to the program's folder. The current folder is never searched.

#include <filesystem>
#include <string>

namespace orbaklaw {

// The folder of the running program; empty when the system can't tell.
std::filesystem::path FolderProgramu();

// The register library `nazwa` beside the program, else in the installed
// library folder relative to it. When it is in neither place, the name
// beside the program, so that the failure to load it names that place.
std::filesystem::path SciezkaBiblioteki(const std::string& nazwa,
                                        const std::filesystem::path& folderProgramu);
std::filesystem::path SciezkaBiblioteki(const std::string& nazwa);

// The installed data folder (share/orbaklaw) relative to the program's
// folder; empty when the program's folder is unknown.
std::filesystem::path FolderDanychProgramu(const std::filesystem::path& folderProgramu);
std::filesystem::path FolderDanychProgramu();

} // namespace orbaklaw
