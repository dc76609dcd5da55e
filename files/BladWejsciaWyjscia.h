#pragma once
// An input-output failure: the reason a file could not be read or written,
// as a value a routine gives back (files/Wynik.h).

#include "files/Wynik.h"

#include <filesystem>
#include <string>

namespace orbaklaw {

// The message is Windows-1250. When it names a file, the path (bytes of the
// system's encoding) and the reason are also kept apart, so that a window
// can show the path readably; on Windows the path is the program's
// Windows-1250 bytes for it.
class BladWejsciaWyjscia {
public:
    explicit BladWejsciaWyjscia(std::string komunikat) : komunikat_(std::move(komunikat)) {}
    // The message is "path: reason".
    BladWejsciaWyjscia(const std::filesystem::path& sciezka, const std::string& powod);

    // A file refused for what it holds, not for how it is reached: larger,
    // or of more lines, than any valid file of its kind. The reason is
    // OpisZaDuzegoPliku().
    static BladWejsciaWyjscia PlikOdrzucony(const std::filesystem::path& sciezka);

    const std::string& Komunikat() const { return komunikat_; }
    const std::string& Sciezka() const { return sciezka_; } // empty when none
    const std::string& Powod() const { return powod_; }
    // Whether the file was refused for its size or lines (PlikOdrzucony).
    bool Odrzucony() const { return odrzucony_; }

private:
    std::string komunikat_;
    std::string sciezka_;
    std::string powod_;
    bool odrzucony_ = false;
};

// What a file routine gives back: its value, or why it could not be had.
template <typename T> using WynikPliku = Wynik<T, BladWejsciaWyjscia>;

} // namespace orbaklaw
