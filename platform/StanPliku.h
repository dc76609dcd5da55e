#pragma once
// What the atomic save needs to know of the file it replaces, and hands on
// to the new one: its kind, its rights and owner, its number of names.

#include <cstdint>
#include <ctime>
#include <filesystem>

namespace orbaklaw::platform {

struct StanPliku {
    enum class Rodzaj { Zwykly, Katalog, Inny } rodzaj = Rodzaj::Inny;
    unsigned prawa = 0; // the rights bits (07777)
    unsigned long wlasciciel = 0;
    unsigned long grupa = 0;
    uintmax_t dowiazania = 1;  // hard links (names) of the file
    std::time_t zmieniony = 0; // the last change of its content
};

// The file `sciezka` names, following symbolic links: 0 with `stan` filled,
// or the system's error number (ENOENT when there is no such file).
int StanSciezki(const std::filesystem::path& sciezka, StanPliku& stan);
// The same for the name itself: a symbolic link is a file of kind Inny.
int StanNazwy(const std::filesystem::path& sciezka, StanPliku& stan);
// True when the file belongs to the user the program runs as.
bool PlikUzytkownika(const StanPliku& stan);
// True when the file is read-only for this user: its rights say so, or the
// system refuses it for writing.
bool TylkoDoOdczytu(const std::filesystem::path& sciezka, const StanPliku& stan);
// Gives the open file `plik` the rights of `stan` and, where the system
// allows it, its owner: 0, or the error number of the rights' change.
int NadajWlasciwosci(int plik, const StanPliku& stan);

} // namespace orbaklaw::platform
