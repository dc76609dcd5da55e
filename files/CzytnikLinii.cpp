#include "files/CzytnikLinii.h"

#include "files/BladSystemu.h"
#include "files/OtwarciePliku.h"
#include "platform/OdczytPliku.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace orbaklaw {

CzytnikLinii::CzytnikLinii(const std::filesystem::path& plik, uintmax_t najwiecejBajtow,
                           size_t najdluzszaLinia)
    : plik_(plik), najwiecej_(najwiecejBajtow), najdluzsza_(najdluzszaLinia),
      bufor_(RozmiarBufora) {}

CzytnikLinii::~CzytnikLinii() {
    if (fd_ >= 0)
        platform::ZamknijPlik(fd_);
}

WynikPliku<void> CzytnikLinii::Otworz() {
    auto otwarty = OtworzDoOdczytu(plik_, najwiecej_);
    if (!otwarty)
        return otwarty.Blad();
    fd_ = *otwarty;
    termin_ = std::chrono::steady_clock::now() + NajdluzszyOdczyt;
    return {};
}

WynikPliku<bool> CzytnikLinii::Doczytaj() {
    if (koniecPliku_)
        return false;
    if (fd_ < 0)
        return BladOdczytu(plik_, EBADF);
    const ssize_t n = CzytajCzescWejscia(fd_, bufor_.data(), bufor_.size(), termin_);
    if (n < 0)
        return BladOdczytu(plik_, errno);
    pozycja_ = 0;
    koniec_ = static_cast<size_t>(n);
    przeczytane_ += koniec_;
    if (przeczytane_ > najwiecej_)
        return BladWejsciaWyjscia::PlikOdrzucony(plik_);
    koniecPliku_ = n == 0;
    return n > 0;
}

void CzytnikLinii::Dodaj(std::string& linia, const char* od, size_t ile) {
    const size_t miejsce = najdluzsza_ == SIZE_MAX ? SIZE_MAX : najdluzsza_ + 1 - linia.size();
    linia.append(od, std::min(ile, miejsce));
}

WynikPliku<bool> CzytnikLinii::Nastepna(std::string& linia) {
    linia.clear();
    bool cos = false;       // anything of a line seen, its end included
    bool ostatniCr = false; // the line's last byte, even past the cut, was CR
    bool uciety = false;
    for (;;) {
        if (pozycja_ == koniec_) {
            const auto doczytane = Doczytaj();
            if (!doczytane)
                return doczytane.Blad();
            if (!*doczytane)
                break;
        }
        cos = true;
        const char* poczatek = bufor_.data() + pozycja_;
        const char* lf = static_cast<const char*>(std::memchr(poczatek, '\n', koniec_ - pozycja_));
        const size_t ile = lf ? static_cast<size_t>(lf - poczatek) : koniec_ - pozycja_;
        if (ile > 0) {
            ostatniCr = poczatek[ile - 1] == '\r';
            const size_t przed = linia.size();
            Dodaj(linia, poczatek, ile);
            uciety = uciety || linia.size() - przed < ile;
        }
        pozycja_ += ile;
        if (lf) {
            ++pozycja_;
            break;
        }
    }
    if (!cos)
        return false;
    if (ostatniCr && !uciety)
        linia.pop_back();
    return true;
}

} // namespace orbaklaw
