#include "cli/FolderWymiany.h"

#include "platform/BlokadaPliku.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* Przedrostek = "orbaklaw-cli-";
// Made by a run once it holds its folder's lock: a folder that has it and
// whose lock is free belongs to a run that has ended.
constexpr const char* ZnakZycia = ".trwa";
// A folder without the mark is being made, unless it has been so for long.
constexpr time_t WiekPorzuconego = 60;

fs::path FolderTymczasowy() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? fs::path(tmp) : fs::path("/tmp");
}

int OtworzFolder(const fs::path& folder) {
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Whether `folder` (this user's, locked by the caller) is a dead run's.
bool Porzucony(const fs::path& folder, const struct stat& s) {
    std::error_code ec;
    if (fs::exists(folder / ZnakZycia, ec))
        return true;
    return std::time(nullptr) - s.st_mtime > WiekPorzuconego;
}

void UsunJesliPorzucony(const fs::path& folder) {
    struct stat s {};
    if (::lstat(folder.c_str(), &s) != 0 || !S_ISDIR(s.st_mode) || s.st_uid != ::geteuid())
        return;
    const int fd = OtworzFolder(folder);
    if (fd < 0)
        return;
    if (platform::ZablokujWylacznie(fd) && Porzucony(folder, s)) {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    ::close(fd);
}

} // namespace

void UsunPozostalosciWymian(const fs::path& tmp) {
    std::error_code ec;
    for (fs::directory_iterator it(tmp, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string nazwa = it->path().filename().string();
        if (nazwa.rfind(Przedrostek, 0) == 0)
            UsunJesliPorzucony(it->path());
    }
}

std::unique_ptr<FolderWymiany> FolderWymiany::Utworz(std::string& sciezkaBledu, int& blad) {
    const fs::path tmp = FolderTymczasowy();
    UsunPozostalosciWymian(tmp);
    std::string sciezka = (tmp / (std::string(Przedrostek) + "XXXXXX")).string();
    blad = 0;
    sciezkaBledu = sciezka;
    if (!::mkdtemp(sciezka.data())) {
        blad = errno;
        return nullptr;
    }
    sciezkaBledu = sciezka;
    const int fd = OtworzFolder(sciezka);
    // Another run may look at the new folder for a moment; the lock waits for it.
    if (fd < 0 || !platform::ZablokujCzekajac(fd)) {
        blad = errno;
        if (fd >= 0)
            ::close(fd);
        ::rmdir(sciezka.c_str());
        return nullptr;
    }
    const int znak = ::open((fs::path(sciezka) / ZnakZycia).c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (znak < 0) {
        blad = errno;
        ::close(fd);
        ::rmdir(sciezka.c_str());
        return nullptr;
    }
    ::close(znak);
    return std::unique_ptr<FolderWymiany>(new FolderWymiany(sciezka, fd));
}

FolderWymiany::~FolderWymiany() {
    std::error_code ec;
    fs::remove_all(sciezka_, ec);
    ::close(blokada_);
}

} // namespace orbaklaw::cli
