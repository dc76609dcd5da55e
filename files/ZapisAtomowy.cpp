#include "files/ZapisAtomowy.h"

#include "files/BladSystemu.h"
#include "files/OtwarciePliku.h"
#include "files/PlikTekstowy.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

constexpr size_t NajdluzszaNazwa = 255;
constexpr char KoncowkaTymczasowego[] = ".zapis-tmp";
constexpr int NajwiecejDowiazan = 40;

uint32_t Skrot(const std::string& tekst) {
    uint32_t h = 2166136261u; // FNV-1a
    for (char z : tekst)
        h = (h ^ static_cast<unsigned char>(z)) * 16777619u;
    return h;
}

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

int OtworzTymczasowy(const fs::path& tymczasowy, mode_t prawa) {
    const int flagi = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW;
    int fd = ::open(tymczasowy.c_str(), flagi, prawa);
    if (fd < 0 && errno == EEXIST) {
        // Left by a save that was interrupted: its content was never the file's.
        if (::unlink(tymczasowy.c_str()) == 0)
            fd = ::open(tymczasowy.c_str(), flagi, prawa);
        else
            errno = EEXIST;
    }
    return fd;
}

} // namespace

fs::path PlikTymczasowyZapisu(const fs::path& cel) {
    const std::string nazwa = cel.filename().string();
    std::string tymczasowa = "." + nazwa + KoncowkaTymczasowego;
    if (tymczasowa.size() > NajdluzszaNazwa) {
        // A long name is shortened; the digest keeps names of one prefix apart.
        char skrot[16];
        std::snprintf(skrot, sizeof skrot, "~%08x", static_cast<unsigned>(Skrot(nazwa)));
        const size_t zostaje = NajdluzszaNazwa - 1 - 9 - (sizeof KoncowkaTymczasowego - 1);
        tymczasowa = "." + nazwa.substr(0, zostaje) + skrot + KoncowkaTymczasowego;
    }
    return cel.parent_path() / tymczasowa;
}

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
    const fs::path tymczasowy = PlikTymczasowyZapisu(cel_);
    fd_ = OtworzTymczasowy(tymczasowy, celIstnieje_ ? 0600 : 0666);
    if (fd_ < 0)
        Blad(errno);
    tymczasowy_ = tymczasowy;
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
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!tymczasowy_.empty())
        ::unlink(tymczasowy_.c_str());
    tymczasowy_.clear();
}

void ZapisAtomowy::Blad(int numer) {
    throw BladWejsciaWyjscia(plik_, OpisBleduSystemu(numer));
}

void ZapisAtomowy::Dopisz(std::string_view dane) {
    if (fd_ < 0 || !ZapiszWszystko(fd_, dane.data(), dane.size()))
        Blad(fd_ < 0 ? EBADF : errno);
}

void ZapisAtomowy::Zatwierdz() {
    if (fd_ < 0)
        Blad(EBADF);
    if (::fsync(fd_) != 0)
        Blad(errno);
    const int zamkniecie = ::close(fd_);
    fd_ = -1;
    if (zamkniecie != 0)
        Blad(errno);
    if (celIstnieje_ && stanCelu_.st_nlink > 1) {
        Przepisz();
        Porzuc();
        return;
    }
    if (::rename(tymczasowy_.c_str(), cel_.c_str()) != 0)
        Blad(errno);
    tymczasowy_.clear();
    SynchronizujFolder(cel_.parent_path());
}

// Copies the complete temporary file into the target itself, so that every
// hard link of it sees the new content. Should that fail half-way, the new
// content stays whole in the temporary file beside the target.
void ZapisAtomowy::Przepisz() {
    const int zrodlo = ::open(tymczasowy_.c_str(), O_RDONLY | O_CLOEXEC);
    const int cel = zrodlo < 0 ? -1 : ::open(cel_.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    int blad = zrodlo < 0 || cel < 0 ? errno : 0;
    off_t rozmiar = 0;
    char bufor[65536];
    while (blad == 0) {
        const ssize_t n = CzytajCzesc(zrodlo, bufor, sizeof bufor);
        if (n < 0)
            blad = errno;
        if (n <= 0)
            break;
        if (!ZapiszWszystko(cel, bufor, static_cast<size_t>(n)))
            blad = errno;
        rozmiar += n;
    }
    if (blad == 0 && (::ftruncate(cel, rozmiar) != 0 || ::fsync(cel) != 0))
        blad = errno;
    if (cel >= 0 && ::close(cel) != 0 && blad == 0)
        blad = errno;
    if (zrodlo >= 0)
        ::close(zrodlo);
    if (blad != 0) {
        tymczasowy_.clear(); // keep the only whole copy of the new content
        throw BladWejsciaWyjscia(plik_, OpisBleduSystemu(blad) +
                                            " (nowa tre\234\346 zosta\263a obok, w pliku "
                                            "tymczasowym)");
    }
}

} // namespace orbaklaw
