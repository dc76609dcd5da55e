#pragma once
// What the window and orbaklaw-cli both say about writing the key
// definitions (Windows-1250). No Qt.

#include <string>

namespace orbaklaw {

// The refusal of a reserved output file name; `nazwa` (the name without its
// folder) is put in as it is.
std::string BladZastrzezonejNazwy(const std::string& nazwa);

// The request file of a read could not be made.
std::string NieUtworzonoZapytania();

// The register took the definitions, and the working copy of them was saved.
std::string ZapisanoDoKasyIDoPliku();

} // namespace orbaklaw
