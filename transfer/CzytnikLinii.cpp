#include "transfer/CzytnikLinii.h"

#include "transfer/BladSystemu.h"
#include "transfer/PlikTekstowy.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw {

namespace {

// Opens without blocking (a FIFO with no writer would wait forever) and
// looks at what was opened before anything is read from it.
int OtworzZwyklyPlik(const std::filesystem::path& plik, uintmax_t najwiecejBajtow) {
    const int fd = ::open(plik.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw BladWejsciaWyjscia(plik, OpisBleduSystemu(errno));
    struct stat st {};
    std::string powod;
    if (::fstat(fd, &st) != 0)
        powod = OpisBleduSystemu(errno);
    else if (S_ISDIR(st.st_mode))
        powod = OpisBleduSystemu(EISDIR);
    else if (!S_ISREG(st.st_mode))
        powod = OpisNieZwyklegoPliku();
    else if (static_cast<uintmax_t>(st.st_size) > najwiecejBajtow)
        powod = OpisZaDuzegoPliku();
    if (powod.empty() && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        powod = OpisBleduSystemu(errno);
    if (!powod.empty()) {
        ::close(fd);
        throw BladWejsciaWyjscia(plik, powod);
    }
    return fd;
}

} // namespace

CzytnikLinii::CzytnikLinii(const std::filesystem::path& plik, uintmax_t najwiecejBajtow,
                           size_t najdluzszaLinia)
    : plik_(plik), fd_(OtworzZwyklyPlik(plik, najwiecejBajtow)), najwiecej_(najwiecejBajtow),
      najdluzsza_(najdluzszaLinia), bufor_(RozmiarBufora) {}

CzytnikLinii::~CzytnikLinii() {
    ::close(fd_);
}

bool CzytnikLinii::Doczytaj() {
    if (koniecPliku_)
        return false;
    ssize_t n;
    do {
        n = ::read(fd_, bufor_.data(), bufor_.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        throw BladWejsciaWyjscia(plik_, OpisBleduSystemu(errno));
    pozycja_ = 0;
    koniec_ = static_cast<size_t>(n);
    przeczytane_ += koniec_;
    if (przeczytane_ > najwiecej_)
        throw BladWejsciaWyjscia(plik_, OpisZaDuzegoPliku());
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
