#include "files/PlikTymczasowy.h"

#include "platform/BlokadaPliku.h"
#include "platform/KodowanieSciezek.h"
#include "platform/OdczytPliku.h"
#include "platform/PlikZapisu.h"
#include "platform/Proces.h"
#include "platform/TozsamoscPliku.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

constexpr size_t NajdluzszaNazwa = 255;
constexpr char KoncowkaTymczasowego[] = ".zapis-tmp";
// ".PID-RANDOM": a process number of up to 10 digits, 8 hex digits.
constexpr size_t MiejsceNaZnacznik = 1 + 10 + 1 + 8;
constexpr int NajwiecejProb = 100;

uint32_t Skrot(const std::string& tekst) {
    uint32_t h = 2166136261u; // FNV-1a
    for (char z : tekst)
        h = (h ^ static_cast<unsigned char>(z)) * 16777619u;
    return h;
}

std::string Znacznik() {
    char znacznik[MiejsceNaZnacznik + 1];
    std::snprintf(znacznik, sizeof znacznik, ".%d-%08x", platform::NumerProcesu(),
                  static_cast<unsigned>(std::random_device{}()));
    return znacznik;
}

// A leftover goes only when it is a regular file that no writer holds.
void UsunJesliPorzucony(const fs::path& sciezka) {
    const int fd = platform::OtworzDoZapisu(sciezka, true);
    if (fd < 0)
        return;
    auto rodzaj = platform::RodzajPliku::Inny;
    uintmax_t rozmiar = 0;
    std::error_code ec;
    if (platform::RodzajIRozmiar(fd, rodzaj, rozmiar) && rodzaj == platform::RodzajPliku::Zwykly &&
        platform::ZablokujWylacznie(fd) && platform::TenSamOtwartyPlik(fd, sciezka))
        fs::remove(sciezka, ec);
    platform::ZamknijPlik(fd);
}

} // namespace

fs::path PlikTymczasowyZapisu(const fs::path& cel) {
    const std::string nazwa = platform::BajtySciezki(cel.filename());
    std::string tymczasowa = "." + nazwa + KoncowkaTymczasowego;
    if (tymczasowa.size() + MiejsceNaZnacznik > NajdluzszaNazwa) {
        // A long name is shortened; the digest keeps names of one prefix apart.
        char skrot[16];
        std::snprintf(skrot, sizeof skrot, "~%08x", static_cast<unsigned>(Skrot(nazwa)));
        const size_t zostaje =
            NajdluzszaNazwa - MiejsceNaZnacznik - 1 - 9 - (sizeof KoncowkaTymczasowego - 1);
        tymczasowa = "." + nazwa.substr(0, zostaje) + skrot + KoncowkaTymczasowego;
    }
    return cel.parent_path() / platform::SciezkaZBajtow(tymczasowa);
}

PlikTymczasowy UtworzPlikTymczasowy(const fs::path& cel, unsigned prawa) {
    const fs::path poczatek = PlikTymczasowyZapisu(cel);
    for (int proba = 0; proba < NajwiecejProb; ++proba) {
        PlikTymczasowy plik{-1, poczatek};
        plik.sciezka += platform::SciezkaZBajtow(Znacznik());
        plik.fd = platform::UtworzPlikZapisu(plik.sciezka, prawa);
        if (plik.fd < 0 && errno == EEXIST)
            continue;
        if (plik.fd < 0)
            return plik;
        // A file system without locks still gets its save; its leftovers stay.
        const bool zablokowany = platform::ZablokujCzekajac(plik.fd);
        // A cleaner may have taken the file in the moment before the lock.
        if (!zablokowany || platform::TenSamOtwartyPlik(plik.fd, plik.sciezka))
            return plik;
        platform::ZamknijPlik(plik.fd);
    }
    errno = EEXIST;
    return {};
}

void UsunPorzuconePliki(const fs::path& cel) {
    const fs::path poczatek = PlikTymczasowyZapisu(cel);
    const std::string nazwa = platform::BajtySciezki(poczatek.filename());
    std::error_code ec;
    const fs::path folder = poczatek.parent_path().empty() ? fs::path(".") : poczatek.parent_path();
    for (fs::directory_iterator it(folder, ec), koniec; !ec && it != koniec; it.increment(ec)) {
        const std::string inna = platform::BajtySciezki(it->path().filename());
        if (inna == nazwa ||
            (inna.size() > nazwa.size() && inna.compare(0, nazwa.size(), nazwa) == 0 &&
             inna[nazwa.size()] == '.'))
            UsunJesliPorzucony(poczatek.parent_path() / platform::SciezkaZBajtow(inna));
    }
}

} // namespace orbaklaw
