#include "tests/support/MalySystemPlikow.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace orbaklaw::test {

MalySystemPlikow::MalySystemPlikow(size_t kilobajtow) {
    std::string wzor = (std::filesystem::temp_directory_path() / "orbaklaw-maly-XXXXXX").string();
    if (!mkdtemp(wzor.data()))
        throw std::runtime_error("mkdtemp failed");
    sciezka_ = wzor;
    if (::geteuid() != 0) {
        powod_ = "mounting a small tmpfs needs the administrator";
        return;
    }
    const std::string opcje = "size=" + std::to_string(kilobajtow) + "k,mode=0777";
    if (::mount("tmpfs", sciezka_.c_str(), "tmpfs", 0, opcje.c_str()) != 0)
        powod_ = std::string("a small tmpfs can't be mounted here: ") + std::strerror(errno);
}

MalySystemPlikow::~MalySystemPlikow() {
    if (Zamontowany())
        ::umount2(sciezka_.c_str(), MNT_DETACH);
    ::rmdir(sciezka_.c_str());
}

void MalySystemPlikow::ZostawWolne(size_t wolnychBajtow) const {
    const int fd = ::open((sciezka_ / "wypelnienie").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        throw std::runtime_error("can't make the filler");
    const std::string blok(4096, 'w');
    for (;;) {
        struct statvfs st {};
        if (::fstatvfs(fd, &st) != 0 ||
            static_cast<size_t>(st.f_bavail) * st.f_frsize <= wolnychBajtow)
            break;
        if (::write(fd, blok.data(), blok.size()) <= 0)
            break;
    }
    ::close(fd);
}

} // namespace orbaklaw::test
