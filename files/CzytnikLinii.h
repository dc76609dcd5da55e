#pragma once
// Reads a text file one line at a time, holding one line at most. Lines end
// in CR LF or LF; the last line may have no end, and a CR at the very end of
// the file ends it too. Only a regular file is read: a device, a FIFO or a
// folder is refused before a byte is read (the file is opened without
// waiting, so a FIFO without a writer can't stall the program), and so is a
// file larger than the reader's bound. A file that waits for data, or whose
// reading takes longer than NajdluzszyOdczyt, is refused (OtwarciePliku).

#include "files/BladWejsciaWyjscia.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orbaklaw {

class CzytnikLinii {
public:
    static constexpr size_t RozmiarBufora = 16384;

    // Nothing is opened before Otworz().
    // A line longer than `najdluzszaLinia` is given cut to one byte more, so
    // the caller can tell it is too long without the rest being held.
    CzytnikLinii(const std::filesystem::path& plik, uintmax_t najwiecejBajtow,
                 size_t najdluzszaLinia = SIZE_MAX);
    ~CzytnikLinii();
    CzytnikLinii(const CzytnikLinii&) = delete;
    CzytnikLinii& operator=(const CzytnikLinii&) = delete;

    // Opens the file; else the reason it can't be opened or is refused
    // (Odrzucony() when for its size).
    WynikPliku<void> Otworz();

    // The next line without its end; false after the last one. The reason
    // on a read error, Odrzucony() when the file grows past the bound.
    WynikPliku<bool> Nastepna(std::string& linia);

    // Bytes taken from the file so far.
    uintmax_t Przeczytane() const { return przeczytane_; }
    const std::filesystem::path& Plik() const { return plik_; }

private:
    WynikPliku<bool> Doczytaj();
    void Dodaj(std::string& linia, const char* od, size_t ile);

    std::filesystem::path plik_;
    int fd_ = -1;
    uintmax_t najwiecej_;
    size_t najdluzsza_;
    std::vector<char> bufor_;
    size_t pozycja_ = 0;
    size_t koniec_ = 0;
    uintmax_t przeczytane_ = 0;
    bool koniecPliku_ = false;
    std::chrono::steady_clock::time_point termin_;
};

} // namespace orbaklaw
