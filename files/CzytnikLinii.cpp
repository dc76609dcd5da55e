#include "files/CzytnikLinii.h"

#include "files/BladSystemu.h"
#include "files/OtwarciePliku.h"
#include "files/PlikOdrzucony.h"
#include "files/PlikTekstowy.h"
#include "platform/OdczytPliku.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace orbaklaw {

CzytnikLinii::CzytnikLinii(const std::filesystem::path& plik, uintmax_t najwiecejBajtow,
                           size_t najdluzszaLinia)
    : plik_(plik), fd_(OtworzDoOdczytu(plik, najwiecejBajtow)), najwiecej_(najwiecejBajtow),
      najdluzsza_(najdluzszaLinia), bufor_(RozmiarBufora),
      termin_(std::chrono::steady_clock::now() + NajdluzszyOdczyt) {}

CzytnikLinii::~CzytnikLinii() {
    platform::ZamknijPlik(fd_);
}

bool CzytnikLinii::Doczytaj() {
    if (koniecPliku_)
        return false;
    const ssize_t n = CzytajCzescWejscia(fd_, bufor_.data(), bufor_.size(), termin_);
    if (n < 0)
        BladOdczytu(plik_, errno);
    pozycja_ = 0;
    koniec_ = static_cast<size_t>(n);
    przeczytane_ += koniec_;
    if (przeczytane_ > najwiecej_)
        throw PlikOdrzucony(plik_);
    koniecPliku_ = n == 0;
    return n > 0;
}

void CzytnikLinii::Dodaj(std::string& linia, const char* od, size_t ile) {
    const size_t miejsce = najdluzsza_ == SIZE_MAX ? SIZE_MAX : najdluzsza_ + 1 - linia.size();
    linia.append(od, std::min(ile, miejsce));
}

bool CzytnikLinii::Nastepna(std::string& linia) {
    linia.clear();
    bool cos = false;       // anything of a line seen, its end included
    bool ostatniCr = false; // the line's last byte, even past the cut, was CR
    bool uciety = false;
    for (;;) {
        if (pozycja_ == koniec_ && !Doczytaj())
            break;
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
