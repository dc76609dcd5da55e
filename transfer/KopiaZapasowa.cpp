#include "transfer/KopiaZapasowa.h"
#include "files/StronyKodowe.h"

#include "files/BladSystemu.h"
#include "files/PlikTekstowy.h"
#include "platform/BlokadaFolderu.h"
#include "platform/FolderyUzytkownika.h"
#include "platform/KodowanieSciezek.h"
#include "platform/Srodowisko.h"
#include "transfer/KolejnoscKopii.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>
#include <vector>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

constexpr const char* Przedrostek = "kasa";
constexpr const char* Rozszerzenie = ".txt";
constexpr size_t DlugoscCzasu = 15; // YYYYMMDD-HHMMSS

bool Niepusta(const std::optional<std::string>& z) {
    return z && !z->empty();
}

bool Cyfry(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where a backup's name sorts among the same register's: its time, then its
// number within the second. None for a file that is not such a backup.
struct KluczKopii {
    std::string czas;
    unsigned kolejna;
    bool operator<(const KluczKopii& b) const {
        return czas != b.czas ? czas < b.czas : kolejna < b.kolejna;
    }
};

std::optional<KluczKopii> Klucz(const std::string& nazwa, const std::string& numer) {
    const std::string poczatek = Przedrostek + numer + "-";
    const std::string koniec = Rozszerzenie;
    if (nazwa.size() < poczatek.size() + DlugoscCzasu + koniec.size() ||
        nazwa.compare(0, poczatek.size(), poczatek) != 0 ||
        nazwa.compare(nazwa.size() - koniec.size(), koniec.size(), koniec) != 0)
        return std::nullopt;
    const std::string srodek =
        nazwa.substr(poczatek.size(), nazwa.size() - poczatek.size() - koniec.size());
    const std::string czas = srodek.substr(0, DlugoscCzasu);
    if (!Cyfry(czas.substr(0, 8)) || czas[8] != '-' || !Cyfry(czas.substr(9)))
        return std::nullopt;
    const std::string reszta = srodek.substr(DlugoscCzasu);
    if (reszta.empty())
        return KluczKopii{czas, 1};
    const std::string liczba = reszta.substr(1);
    if (reszta[0] != '-' || liczba.empty() || liczba.size() > 6 || !Cyfry(liczba))
        return std::nullopt;
    return KluczKopii{czas, static_cast<unsigned>(std::stoul(liczba))};
}

// Puts the finished temporary file in place under `cel` only if no file has
// that name: a hard link fails instead of replacing. False when `cel` exists.
WynikPliku<bool> PolozBezZastapienia(const fs::path& tymczasowy, const fs::path& cel) {
    std::error_code ec;
    fs::create_hard_link(tymczasowy, cel, ec);
    if (ec == std::errc::file_exists)
        return false;
    if (ec) {
        // A file system without hard links: check, then rename.
        if (fs::exists(cel, ec) || ec)
            return false;
        fs::rename(tymczasowy, cel, ec);
        if (ec)
            return BladWejsciaWyjscia(cel, OpisBleduSystemu(ec.value()));
        return true;
    }
    fs::remove(tymczasowy, ec);
    return true;
}

// When the file system says `plik` was last written; none when it can't.
std::optional<fs::file_time_type> CzasZapisu(const fs::path& plik) {
    std::error_code ec;
    const auto czas = fs::last_write_time(plik, ec);
    if (ec)
        return std::nullopt;
    return czas;
}

struct Kopia {
    fs::file_time_type zapisana; // by the file system
    KluczKopii klucz;            // by the name, for backups written at once
    fs::path sciezka;
    std::optional<size_t> kolejna; // its place in the order of making, when listed
};

// The backups of register `numer` in `folder`.
std::vector<Kopia> Kopie(const fs::path& folder, const std::string& numer) {
    std::vector<Kopia> kopie;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (auto klucz = Klucz(it->path().filename().string(), numer))
            if (auto czas = CzasZapisu(it->path()))
                kopie.push_back({*czas, *klucz, it->path(), std::nullopt});
    return kopie;
}

// Oldest first. The order of making decides where it is known: backups the
// list of that order names come after all others, in its order. The others
// go by the time the file system recorded (the name only orders backups
// written at the same moment).
bool Starsza(const Kopia& a, const Kopia& b) {
    if (a.kolejna.has_value() != b.kolejna.has_value())
        return !a.kolejna;
    if (a.kolejna)
        return *a.kolejna < *b.kolejna;
    return a.zapisana != b.zapisana ? a.zapisana < b.zapisana : a.klucz < b.klucz;
}

// Prunes register `numer`'s backups to the newest `zostaw`. `nowa` is the
// backup just made (empty for none): it is never removed, and it joins the
// list of the order of making when that is kept, or starts it when a backup
// already there was written later by the file system's clock. Never removed
// either: a backup written in the last day by the file system's time, or
// (when its place in the order isn't known) later than now, nor a file whose
// time can't be read.
void Przytnij(const fs::path& folder, const std::string& numer, size_t zostaw,
              const fs::path& nowa) {
    std::vector<Kopia> kopie = Kopie(folder, numer);
    const std::vector<std::string> zapisana = CzytajKolejnoscKopii(folder, numer);
    std::vector<std::string> kolejnosc = zapisana;
    const bool prowadzona = !kolejnosc.empty();
    if (!nowa.empty()) {
        const auto czasNowej = CzasZapisu(nowa);
        const bool zaburzona =
            czasNowej && std::any_of(kopie.begin(), kopie.end(), [&](const Kopia& k) {
                return k.sciezka != nowa && k.zapisana > *czasNowej;
            });
        if (prowadzona || zaburzona)
            kolejnosc.push_back(nowa.filename().string());
    }
    for (size_t i = 0; i < kolejnosc.size(); ++i)
        for (auto& k : kopie)
            if (k.sciezka.filename().string() == kolejnosc[i])
                k.kolejna = i;
    std::sort(kopie.begin(), kopie.end(), Starsza);
    const auto teraz = fs::file_time_type::clock::now();
    const auto mlode = teraz - OkresOchronyKopii;
    std::error_code ec;
    for (size_t i = 0; i + zostaw < kopie.size(); ++i) {
        const Kopia& k = kopie[i];
        const bool chroniona =
            k.zapisana >= mlode && (!k.kolejna || k.zapisana <= teraz); // the last day
        if (k.sciezka != nowa && !chroniona && fs::remove(k.sciezka, ec))
            kopie[i].sciezka.clear();
    }
    if (kolejnosc.empty())
        return;
    // The list keeps the backups that are still there, in their order.
    std::vector<std::string> pozostale;
    for (const auto& k : kopie)
        if (k.kolejna && !k.sciezka.empty())
            pozostale.push_back(k.sciezka.filename().string());
    if (pozostale != zapisana)
        ZapiszKolejnoscKopii(folder, numer, pozostale);
}

// One backup of the folder at a time: the list of the order of making is
// read, extended and written whole. A folder that can't be held is used
// all the same.
class ZajetyFolder {
public:
    explicit ZajetyFolder(const fs::path& folder)
        : blokada_(platform::ZajmijFolder(folder, true)) {}
    ~ZajetyFolder() { platform::ZwolnijFolder(blokada_); }
    ZajetyFolder(const ZajetyFolder&) = delete;
    ZajetyFolder& operator=(const ZajetyFolder&) = delete;

private:
    int blokada_;
};

// Makes the backup folder; a reason the system gives only vaguely (a name
// that exists but is no folder) is told plainly.
WynikPliku<void> UtworzFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec)
        return {};
    std::error_code ec2;
    if (fs::is_symlink(fs::symlink_status(folder, ec2)) && !fs::exists(folder, ec2))
        return BladWejsciaWyjscia(folder,
                                  "Dowiązanie symboliczne do nieistniejącego katalogu"_w1250);
    if (fs::exists(folder, ec2) && !fs::is_directory(folder, ec2))
        return BladWejsciaWyjscia(folder, "To nie jest katalog");
    return BladWejsciaWyjscia(folder, OpisBleduSystemu(ec.value()));
}

} // namespace

WynikPliku<fs::path> FolderKopii(const ZmienneFolderuKopii& zmienne) {
    if (Niepusta(zmienne.kopie))
        return platform::SciezkaZBajtow(*zmienne.kopie);
    const auto zmienna = [&zmienne](const std::string& nazwa) -> std::optional<std::string> {
        if (nazwa == "XDG_DATA_HOME")
            return zmienne.xdgDataHome;
        if (nazwa == "HOME")
            return zmienne.home;
        if (nazwa == "LOCALAPPDATA")
            return zmienne.lokalneDane;
        return std::nullopt;
    };
    if (const auto dane = platform::FolderDanychUzytkownika(zmienna))
        return *dane / "orbaklaw" / "kopie";
    return BladWejsciaWyjscia("Nie wiadomo, gdzie zachować kopię definicji (brak zmiennej "_w1250 +
                              std::string(platform::ZmiennaFolderuDanych()) + ")");
}

WynikPliku<fs::path> FolderKopii() {
    return FolderKopii(
        {platform::NiepustaZmienna("ORBAKLAW_KOPIE"), platform::NiepustaZmienna("XDG_DATA_HOME"),
         platform::NiepustaZmienna("HOME"), platform::NiepustaZmienna("LOCALAPPDATA")});
}

WynikPliku<std::string> NumerKasyKopii(const std::string& numerKasy) {
    if (numerKasy.empty() || numerKasy.size() > 2 || !Cyfry(numerKasy))
        return BladWejsciaWyjscia("Niepoprawny numer kasy: " + numerKasy);
    return numerKasy.size() == 1 ? "0" + numerKasy : numerKasy;
}

WynikPliku<std::string> NazwaKopii(const std::string& numerKasy, std::time_t czas,
                                   unsigned kolejna) {
    const auto numer = NumerKasyKopii(numerKasy);
    if (!numer)
        return numer.Blad();
    std::tm lokalny{};
    if (!platform::CzasLokalny(czas, lokalny))
        return BladWejsciaWyjscia("localtime: czas poza zakresem");
    char tekst[32];
    std::snprintf(tekst, sizeof tekst, "%04d%02d%02d-%02d%02d%02d", lokalny.tm_year + 1900,
                  lokalny.tm_mon + 1, lokalny.tm_mday, lokalny.tm_hour, lokalny.tm_min,
                  lokalny.tm_sec);
    std::string nazwa = Przedrostek + *numer + "-" + tekst;
    if (kolejna > 1)
        nazwa += "-" + std::to_string(kolejna);
    return nazwa + Rozszerzenie;
}

WynikPliku<fs::path> ZachowajKopie(const fs::path& folder, const std::string& numerKasy,
                                   const std::string& trescDefinicji, std::time_t czas) {
    const auto numerKopii = NumerKasyKopii(numerKasy);
    if (!numerKopii)
        return numerKopii.Blad();
    const std::string& numer = *numerKopii;
    if (auto utworzony = UtworzFolder(folder); !utworzony)
        return utworzony.Blad();
    std::error_code ec;
    // Written whole under a name of our own, then given its final name.
    const fs::path roboczy =
        folder / (".kopia" + numer + "." + std::to_string(std::random_device{}()) + ".tmp");
    if (auto zapis = ZapiszAtomowo(roboczy, trescDefinicji); !zapis) {
        // The user knows the backup, not the name it is written through.
        const auto nazwa = NazwaKopii(numer, czas, 1);
        if (!nazwa)
            return nazwa.Blad();
        return BladWejsciaWyjscia(folder / *nazwa, zapis.Blad().Powod());
    }
    const ZajetyFolder zajety(folder);
    for (unsigned kolejna = 1; kolejna < 1000; ++kolejna) {
        const auto nazwa = NazwaKopii(numer, czas, kolejna);
        if (!nazwa)
            return nazwa.Blad();
        const fs::path cel = folder / *nazwa;
        const auto polozona = PolozBezZastapienia(roboczy, cel);
        if (!polozona)
            return polozona.Blad();
        if (*polozona) {
            Przytnij(folder, numer, LiczbaKopiiKasy, cel);
            return cel;
        }
    }
    fs::remove(roboczy, ec);
    return BladWejsciaWyjscia(folder, OpisBleduSystemu(EEXIST));
}

WynikPliku<fs::path> ZachowajKopie(const std::string& numerKasy,
                                   const std::string& trescDefinicji) {
    const auto folder = FolderKopii();
    if (!folder)
        return folder.Blad();
    return ZachowajKopie(*folder, numerKasy, trescDefinicji, std::time(nullptr));
}

WynikPliku<void> PrzytnijKopie(const fs::path& folder, const std::string& numerKasy,
                               size_t zostaw) {
    const auto numer = NumerKasyKopii(numerKasy);
    if (!numer)
        return numer.Blad();
    Przytnij(folder, *numer, zostaw, {});
    return {};
}

} // namespace orbaklaw
