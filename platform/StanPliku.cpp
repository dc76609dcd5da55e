#include "platform/StanPliku.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw::platform {

namespace {

void Wypelnij(const struct stat& st, StanPliku& stan) {
    stan.rodzaj = S_ISREG(st.st_mode)   ? StanPliku::Rodzaj::Zwykly
                  : S_ISDIR(st.st_mode) ? StanPliku::Rodzaj::Katalog
                                        : StanPliku::Rodzaj::Inny;
    stan.prawa = st.st_mode & 07777;
    stan.wlasciciel = st.st_uid;
    stan.grupa = st.st_gid;
    stan.dowiazania = st.st_nlink;
    stan.zmieniony = st.st_mtime;
}

} // namespace

int StanSciezki(const std::filesystem::path& sciezka, StanPliku& stan) {
    struct stat st {};
    if (::stat(sciezka.c_str(), &st) != 0)
        return errno;
    Wypelnij(st, stan);
    return 0;
}

int StanNazwy(const std::filesystem::path& sciezka, StanPliku& stan) {
    struct stat st {};
    if (::lstat(sciezka.c_str(), &st) != 0)
        return errno;
    Wypelnij(st, stan);
    return 0;
}

bool PlikUzytkownika(const StanPliku& stan) {
    return stan.wlasciciel == ::geteuid();
}

bool TylkoDoOdczytu(const std::filesystem::path& sciezka, const StanPliku& stan) {
    // The rights say read-only even to a user whom the system lets write.
    return (stan.prawa & 0222) == 0 || (::access(sciezka.c_str(), W_OK) != 0 && errno == EACCES);
}

int NadajWlasciwosci(int plik, const StanPliku& stan) {
    const auto uid = static_cast<uid_t>(stan.wlasciciel);
    const auto gid = static_cast<gid_t>(stan.grupa);
    if ((uid != ::geteuid() || gid != ::getegid()) && ::fchown(plik, uid, gid) != 0) {
        // not allowed: the file becomes the user's own
    }
    return ::fchmod(plik, static_cast<mode_t>(stan.prawa)) == 0 ? 0 : errno;
}

} // namespace orbaklaw::platform
