#pragma once
// A file refused for what it holds, not for how it is reached: larger, or of
// more lines, than any valid file of its kind. Whoever must tell such a file
// from one that can't be opened catches this; everyone else sees the
// BladWejsciaWyjscia it is.

#include "files/PlikTekstowy.h"

#include <filesystem>

namespace orbaklaw {

class PlikOdrzucony : public BladWejsciaWyjscia {
public:
    // The reason is OpisZaDuzegoPliku().
    explicit PlikOdrzucony(const std::filesystem::path& sciezka);
};

} // namespace orbaklaw
