#include "files/ZapisAtomowy.h"
#include "files/StronyKodowe.h"

#include "files/BladSystemu.h"
#include "files/PlikZastrzezony.h"

#include "platform/OdczytPliku.h"
#include "platform/PlikZapisu.h"
#include "platform/PrzepisanieWMiejscu.h"
#include "platform/Terminal.h"
#include "platform/ZastapieniePliku.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

constexpr int NajwiecejDowiazan = 40;

// The file a chain of symbolic links ends at (which need not exist yet).
WynikPliku<fs::path> KoniecDowiazan(const fs::path& plik) {
    fs::path p = plik;
    for (int i = 0; i < NajwiecejDowiazan; ++i) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            return p;
        const fs::path cel = fs::read_symlink(p, ec);
        if (ec)
            return BladWejsciaWyjscia(plik, OpisBleduSystemu(ec.value()));
        p = cel.is_absolute() ? cel : p.parent_path() / cel;
    }
    return BladWejsciaWyjscia(plik, OpisBleduSystemu(ELOOP));
}

// The name part as PlikZastrzezony spells it.
std::string NazwaCzesci(const fs::path& plik) {
    const std::u8string u8 = plik.filename().u8string();
    return std::string(u8.begin(), u8.end());
}

bool ZapiszWszystko(int fd, const char* dane, size_t ile) {
    while (ile > 0) {
        const long long n = platform::ZapiszCzesc(fd, dane, ile);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = EIO;
        if (n <= 0)
            return false;
        dane += n;
        ile -= static_cast<size_t>(n);
    }
    return true;
}

// The reason for a failure the system layer reports: an errno value, or on
// Windows the system's own code and its text.
std::string OpisBledu(const std::error_code& blad) {
    const std::error_condition warunek = blad.default_error_condition();
    if (warunek.category() == std::generic_category())
        return OpisBleduSystemu(warunek.value());
    return blad.message();
}

// The file's data written through to the disk: 0 or an errno value.
int UtrwalOtwarty(int fd) {
    std::error_code ec;
    if (platform::UtrwalPlik(fd, ec))
        return 0;
    const std::error_condition warunek = ec.default_error_condition();
    return warunek.category() == std::generic_category() ? warunek.value() : EIO;
}

} // namespace

WynikPliku<void> ZapisAtomowy::Otworz() {
    if (fd_ >= 0 || utrwalony_)
        return Blad(EBADF);
    auto koniec = KoniecDowiazan(plik_);
    if (!koniec)
        return koniec.Blad();
    cel_ = *std::move(koniec);
    // The register library's own files are saved only under their names.
    if (const auto zastrzezony = PlikZastrzezony(plik_);
        zastrzezony && *zastrzezony != NazwaCzesci(plik_))
        return BladWejsciaWyjscia(plik_,
                                  "to dowiązanie do zastrzeżonego pliku "_w1250 + *zastrzezony);
    const int stan = platform::StanSciezki(cel_, stanCelu_);
    if (stan == 0) {
        celIstnieje_ = true;
        if (stanCelu_.rodzaj == platform::StanPliku::Rodzaj::Katalog)
            return Blad(EISDIR);
        if (stanCelu_.rodzaj != platform::StanPliku::Rodzaj::Zwykly)
            return BladWejsciaWyjscia(plik_, OpisNieZwyklegoPliku());
        if (platform::TylkoDoOdczytu(cel_, stanCelu_))
            return BladWejsciaWyjscia(plik_, OpisPlikuDoOdczytu());
    } else if (stan != ENOENT) {
        return Blad(stan);
    }
    UsunPorzuconePliki(cel_);
    const PlikTymczasowy tymczasowy = UtworzPlikTymczasowy(cel_, celIstnieje_ ? 0600 : 0666);
    if (tymczasowy.fd < 0)
        return Blad(errno);
    fd_ = tymczasowy.fd;
    tymczasowy_ = tymczasowy.sciezka;
    if (celIstnieje_)
        return PrzejmijWlasciwosciCelu();
    return {};
}

// Another owner is kept where the system allows it; the rights always.
WynikPliku<void> ZapisAtomowy::PrzejmijWlasciwosciCelu() {
    if (const int blad = platform::NadajWlasciwosci(fd_, stanCelu_); blad != 0) {
        Porzuc();
        return Blad(blad);
    }
    return {};
}

ZapisAtomowy::~ZapisAtomowy() {
    Porzuc();
}

void ZapisAtomowy::Porzuc() noexcept {
    // The file goes before the lock on it, so no cleaner meets it unlocked.
    std::error_code ec;
    if (!tymczasowy_.empty())
        fs::remove(tymczasowy_, ec);
    tymczasowy_.clear();
    if (fd_ >= 0)
        platform::ZamknijPlik(fd_);
    fd_ = -1;
}

BladWejsciaWyjscia ZapisAtomowy::Blad(int numer) const {
    return BladWejsciaWyjscia(plik_, OpisBleduSystemu(numer));
}

WynikPliku<void> ZapisAtomowy::Dopisz(std::string_view dane) {
    if (fd_ < 0 || utrwalony_)
        return Blad(EBADF);
    if (!ZapiszWszystko(fd_, dane.data(), dane.size()))
        return Blad(errno);
    return {};
}

WynikPliku<void> ZapisAtomowy::Utrwal() {
    if (fd_ < 0)
        return Blad(EBADF);
    std::error_code ec;
    if (!utrwalony_ && !platform::UtrwalPlik(fd_, ec))
        return BladWejsciaWyjscia(plik_, OpisBledu(ec));
    utrwalony_ = true;
    return {};
}

WynikPliku<void> ZapisAtomowy::Zatwierdz() {
    if (auto utrwalenie = Utrwal(); !utrwalenie)
        return utrwalenie;
    if (celIstnieje_ && stanCelu_.dowiazania > 1) {
        auto przepisanie = Przepisz();
        Porzuc();
        return przepisanie;
    }
    // The lock is held until the file has its new name.
    std::error_code ec;
    if (!platform::ZastapPlik(tymczasowy_, cel_, ec))
        return BladWejsciaWyjscia(plik_, OpisBledu(ec));
    tymczasowy_.clear();
    platform::ZamknijPlik(fd_); // all its bytes are on the disk already
    fd_ = -1;
    return {};
}

// Copies the complete temporary file into the target itself, so that every
// hard link of it sees the new content. The room is reserved first and the
// part beyond the old end is written before the old content is touched: a
// full disk leaves the old content whole. Should the rewrite fail later,
// the new content stays whole in the temporary file beside the target.
WynikPliku<void> ZapisAtomowy::Przepisz() {
    const int zrodlo = platform::OtworzDoPrzepisania(tymczasowy_);
    const int cel = zrodlo < 0 ? -1 : platform::OtworzDoZapisu(cel_, false);
    int blad = zrodlo < 0 || cel < 0 ? errno : 0;
    int64_t nowy = 0;
    int64_t stary = 0;
    if (blad == 0 &&
        ((nowy = platform::DlugoscPliku(zrodlo)) < 0 || (stary = platform::DlugoscPliku(cel)) < 0))
        blad = errno;
    if (blad == 0)
        blad = platform::ZarezerwujMiejsce(cel, nowy);
    if (blad == 0 && nowy > stary) {
        blad = platform::SkopiujCzesc(zrodlo, cel, stary, nowy - stary);
        if (blad == 0)
            blad = UtrwalOtwarty(cel);
        if (blad != 0 && platform::UstawDlugosc(cel, stary) != 0) {
            // the old content is whole; only its length could not be given back
        }
    }
    const bool ruszaStary = blad == 0;
    if (blad == 0)
        blad = platform::SkopiujCzesc(zrodlo, cel, 0, std::min(nowy, stary));
    if (blad == 0)
        blad = platform::UstawDlugosc(cel, nowy);
    if (blad == 0)
        blad = UtrwalOtwarty(cel);
    if (const int zamkniecie = cel >= 0 ? platform::ZamknijPoZapisie(cel) : 0; blad == 0)
        blad = zamkniecie;
    if (zrodlo >= 0)
        platform::ZamknijPlik(zrodlo);
    if (blad == 0)
        return {};
    if (!ruszaStary)
        return Blad(blad); // the temporary file goes with the save
    tymczasowy_.clear();   // keep the only whole copy of the new content
    return BladWejsciaWyjscia(plik_, OpisBleduSystemu(blad) +
                                         " (nowa treść została obok, w pliku "_w1250
                                         "tymczasowym)");
}

} // namespace orbaklaw
