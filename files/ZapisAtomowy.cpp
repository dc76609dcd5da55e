#include "files/ZapisAtomowy.h"
#include "files/StronyKodowe.h"

#include "files/BladSystemu.h"
#include "files/PlikTekstowy.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

constexpr int NajwiecejDowiazan = 40;

// The file a chain of symbolic links ends at (which need not exist yet).
fs::path KoniecDowiazan(const fs::path& plik) {
    fs::path p = plik;
    for (int i = 0; i < NajwiecejDowiazan; ++i) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return p;
        std::error_code ec;
        const fs::path cel = fs::read_symlink(p, ec);
        if (ec)
            throw BladWejsciaWyjscia(plik, OpisBleduSystemu(ec.value()));
        p = cel.is_absolute() ? cel : p.parent_path() / cel;
    }
    throw BladWejsciaWyjscia(plik, OpisBleduSystemu(ELOOP));
}

bool ZapiszWszystko(int fd, const char* dane, size_t ile) {
    while (ile > 0) {
        const ssize_t n = ::write(fd, dane, ile);
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

// Makes the new name of a renamed file last over a power loss; a file
// system that can't sync a folder loses nothing by being skipped.
void SynchronizujFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Makes room in the target for `rozmiar` bytes without changing a byte of
// it: a full disk shows now, while the target still holds its old content.
// A file system that can't reserve is left to the writing itself.
int ZarezerwujMiejsce(int fd, off_t rozmiar) {
    if (rozmiar <= 0)
        return 0;
    int wynik;
    do {
        wynik = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, rozmiar);
    } while (wynik != 0 && errno == EINTR);
    if (wynik == 0 || errno == EOPNOTSUPP || errno == ENOSYS)
        return 0;
    return errno;
}

// Copies `ile` bytes from offset `od` of `zrodlo` to the same offset of `cel`.
int Skopiuj(int zrodlo, int cel, off_t od, off_t ile) {
    char bufor[65536];
    while (ile > 0) {
        const size_t czesc = static_cast<size_t>(std::min<off_t>(ile, sizeof bufor));
        ssize_t n;
        do {
            n = ::pread(zrodlo, bufor, czesc, od);
        } while (n < 0 && errno == EINTR);
        if (n <= 0)
            return n < 0 ? errno : EIO;
        for (ssize_t zapisane = 0; zapisane < n;) {
            const ssize_t m =
                ::pwrite(cel, bufor + zapisane, static_cast<size_t>(n - zapisane), od + zapisane);
            if (m < 0 && errno == EINTR)
                continue;
            if (m <= 0)
                return m < 0 ? errno : EIO;
            zapisane += m;
        }
        od += n;
        ile -= n;
    }
    return 0;
}

} // namespace

ZapisAtomowy::ZapisAtomowy(const fs::path& plik) : plik_(plik), cel_(KoniecDowiazan(plik)) {
    if (::stat(cel_.c_str(), &stanCelu_) == 0) {
        celIstnieje_ = true;
        if (S_ISDIR(stanCelu_.st_mode))
            Blad(EISDIR);
        if (!S_ISREG(stanCelu_.st_mode))
            throw BladWejsciaWyjscia(plik_, OpisNieZwyklegoPliku());
        // The rights say read-only even to a user whom the system lets write.
        if ((stanCelu_.st_mode & 0222) == 0 ||
            (::access(cel_.c_str(), W_OK) != 0 && errno == EACCES))
            throw BladWejsciaWyjscia(plik_, OpisPlikuDoOdczytu());
    } else if (errno != ENOENT) {
        Blad(errno);
    }
    UsunPorzuconePliki(cel_);
    const PlikTymczasowy tymczasowy = UtworzPlikTymczasowy(cel_, celIstnieje_ ? 0600 : 0666);
    if (tymczasowy.fd < 0)
        Blad(errno);
    fd_ = tymczasowy.fd;
    tymczasowy_ = tymczasowy.sciezka;
    if (celIstnieje_)
        PrzejmijWlasciwosciCelu();
}

// Another owner is kept where the system allows it; the rights always.
void ZapisAtomowy::PrzejmijWlasciwosciCelu() {
    if ((stanCelu_.st_uid != ::geteuid() || stanCelu_.st_gid != ::getegid()) &&
        ::fchown(fd_, stanCelu_.st_uid, stanCelu_.st_gid) != 0) {
        // not allowed: the file becomes the user's own
    }
    if (::fchmod(fd_, stanCelu_.st_mode & 07777) != 0) {
        const int blad = errno;
        Porzuc(); // the destructor of a half-made save does not run
        Blad(blad);
    }
}

ZapisAtomowy::~ZapisAtomowy() {
    Porzuc();
}

void ZapisAtomowy::Porzuc() noexcept {
    // The file goes before the lock on it, so no cleaner meets it unlocked.
    if (!tymczasowy_.empty())
        ::unlink(tymczasowy_.c_str());
    tymczasowy_.clear();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void ZapisAtomowy::Blad(int numer) {
    throw BladWejsciaWyjscia(plik_, OpisBleduSystemu(numer));
}

void ZapisAtomowy::Dopisz(std::string_view dane) {
    if (fd_ < 0 || utrwalony_)
        Blad(EBADF);
    if (!ZapiszWszystko(fd_, dane.data(), dane.size()))
        Blad(errno);
}

void ZapisAtomowy::Utrwal() {
    if (fd_ < 0)
        Blad(EBADF);
    if (!utrwalony_ && ::fsync(fd_) != 0)
        Blad(errno);
    utrwalony_ = true;
}

void ZapisAtomowy::Zatwierdz() {
    Utrwal();
    if (celIstnieje_ && stanCelu_.st_nlink > 1) {
        Przepisz();
        Porzuc();
        return;
    }
    // The lock is held until the file has its new name.
    if (::rename(tymczasowy_.c_str(), cel_.c_str()) != 0)
        Blad(errno);
    tymczasowy_.clear();
    ::close(fd_); // all its bytes are on the disk already
    fd_ = -1;
    SynchronizujFolder(cel_.parent_path());
}

// Copies the complete temporary file into the target itself, so that every
// hard link of it sees the new content. The room is reserved first and the
// part beyond the old end is written before the old content is touched: a
// full disk leaves the old content whole. Should the rewrite fail later,
// the new content stays whole in the temporary file beside the target.
void ZapisAtomowy::Przepisz() {
    const int zrodlo = ::open(tymczasowy_.c_str(), O_RDONLY | O_CLOEXEC);
    const int cel = zrodlo < 0 ? -1 : ::open(cel_.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    int blad = zrodlo < 0 || cel < 0 ? errno : 0;
    struct stat nowy {};
    struct stat stary {};
    if (blad == 0 && (::fstat(zrodlo, &nowy) != 0 || ::fstat(cel, &stary) != 0))
        blad = errno;
    if (blad == 0)
        blad = ZarezerwujMiejsce(cel, nowy.st_size);
    if (blad == 0 && nowy.st_size > stary.st_size) {
        blad = Skopiuj(zrodlo, cel, stary.st_size, nowy.st_size - stary.st_size);
        if (blad == 0 && ::fsync(cel) != 0)
            blad = errno;
        if (blad != 0 && ::ftruncate(cel, stary.st_size) != 0) {
            // the old content is whole; only its length could not be given back
        }
    }
    const bool ruszaStary = blad == 0;
    if (blad == 0)
        blad = Skopiuj(zrodlo, cel, 0, std::min(nowy.st_size, stary.st_size));
    if (blad == 0 && (::ftruncate(cel, nowy.st_size) != 0 || ::fsync(cel) != 0))
        blad = errno;
    if (cel >= 0 && ::close(cel) != 0 && blad == 0)
        blad = errno;
    if (zrodlo >= 0)
        ::close(zrodlo);
    if (blad == 0)
        return;
    if (!ruszaStary)
        Blad(blad);      // the temporary file goes with the save
    tymczasowy_.clear(); // keep the only whole copy of the new content
    throw BladWejsciaWyjscia(plik_, OpisBleduSystemu(blad) +
                                        " (nowa treść została obok, w pliku "_w1250
                                        "tymczasowym)");
}

} // namespace orbaklaw
