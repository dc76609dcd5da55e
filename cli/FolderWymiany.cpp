#include "cli/FolderWymiany.h"

#include "platform/BlokadaFolderu.h"
#include "platform/FolderTymczasowy.h"
#include "platform/KodowanieSciezek.h"
#include "platform/OdczytPliku.h"
#include "platform/PlikZapisu.h"
#include "platform/StanPliku.h"

#include <cerrno>
#include <ctime>

namespace orbaklaw::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* Przedrostek = "orbaklaw-cli-";
// Made by a run once it holds its folder's lock: a folder that has it and
// whose lock is free belongs to a run that has ended.
constexpr const char* ZnakZycia = ".trwa";
// A folder without the mark is being made, unless it has been so for long.
constexpr time_t WiekPorzuconego = 60;

// Whether `folder` (this user's, locked by the caller) is a dead run's.
bool Porzucony(const fs::path& folder, const platform::StanPliku& s) {
    std::error_code ec;
    if (fs::exists(folder / ZnakZycia, ec))
        return true;
    return std::time(nullptr) - s.zmieniony > WiekPorzuconego;
}

void UsunJesliPorzucony(const fs::path& folder) {
    platform::StanPliku s;
    if (platform::StanNazwy(folder, s) != 0 || s.rodzaj != platform::StanPliku::Rodzaj::Katalog ||
        !platform::PlikUzytkownika(s))
        return;
    const int fd = platform::ZajmijFolder(folder, false);
    if (fd < 0)
        return;
    if (Porzucony(folder, s))
        platform::UsunZajetyFolder(folder, fd);
    else
        platform::ZwolnijFolder(fd);
}

} // namespace

void UsunPozostalosciWymian(const fs::path& tmp) {
    std::error_code ec;
    for (fs::directory_iterator it(tmp, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string nazwa = platform::BajtySciezki(it->path().filename());
        if (nazwa.rfind(Przedrostek, 0) == 0)
            UsunJesliPorzucony(it->path());
    }
}

std::unique_ptr<FolderWymiany> FolderWymiany::Utworz(std::string& sciezkaBledu, int& blad) {
    const fs::path tmp = platform::FolderPlikowTymczasowych();
    UsunPozostalosciWymian(tmp);
    blad = 0;
    sciezkaBledu = platform::BajtySciezki(tmp / (std::string(Przedrostek) + "XXXXXX"));
    std::error_code ec;
    const fs::path sciezka = platform::UtworzFolderTymczasowy(tmp, Przedrostek, ec);
    if (ec) {
        const std::error_condition warunek = ec.default_error_condition();
        blad = warunek.category() == std::generic_category() ? warunek.value() : EACCES;
        return nullptr;
    }
    sciezkaBledu = platform::BajtySciezki(sciezka);
    // Another run may look at the new folder for a moment; the lock waits for it.
    const int fd = platform::ZajmijFolder(sciezka, true);
    if (fd < 0) {
        blad = errno;
        fs::remove(sciezka, ec);
        return nullptr;
    }
    const int znak = platform::UtworzPlikZapisu(sciezka / ZnakZycia, 0600);
    if (znak < 0) {
        blad = errno;
        platform::UsunZajetyFolder(sciezka, fd);
        return nullptr;
    }
    platform::ZamknijPlik(znak);
    return std::unique_ptr<FolderWymiany>(new FolderWymiany(sciezka, fd));
}

FolderWymiany::~FolderWymiany() {
    platform::UsunZajetyFolder(sciezka_, blokada_);
}

} // namespace orbaklaw::cli
