#include "platform/BlokadaFolderu.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orbaklaw::platform {

int ZajmijFolder(const std::filesystem::path& folder, bool czekaj) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    int wynik = 0;
    while ((wynik = ::flock(fd, czekaj ? LOCK_EX : LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (wynik == 0)
        return fd;
    const int blad = errno;
    ::close(fd);
    errno = blad;
    return -1;
}

void UsunZajetyFolder(const std::filesystem::path& folder, int blokada) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    ZwolnijFolder(blokada);
}

void ZwolnijFolder(int blokada) {
    if (blokada >= 0)
        ::close(blokada);
}

} // namespace orbaklaw::platform
