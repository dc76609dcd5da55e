#include "platform/StanPliku.h"

#include <cerrno>
#include <sys/stat.h>
#include <windows.h>

namespace orbaklaw::platform {

int StanSciezki(const std::filesystem::path& sciezka, StanPliku& stan) {
    struct _stat64 st {};
    if (::_wstat64(sciezka.c_str(), &st) != 0)
        return errno;
    stan.rodzaj = (st.st_mode & _S_IFMT) == _S_IFREG   ? StanPliku::Rodzaj::Zwykly
                  : (st.st_mode & _S_IFMT) == _S_IFDIR ? StanPliku::Rodzaj::Katalog
                                                       : StanPliku::Rodzaj::Inny;
    stan.prawa = st.st_mode & 0777;
    // A file is one name here: a save replaces the name it was given.
    stan.dowiazania = 1;
    stan.zmieniony = static_cast<std::time_t>(st.st_mtime);
    return 0;
}

int StanNazwy(const std::filesystem::path& sciezka, StanPliku& stan) {
    const int blad = StanSciezki(sciezka, stan);
    const DWORD atrybuty = ::GetFileAttributesW(sciezka.c_str());
    if (blad == 0 && atrybuty != INVALID_FILE_ATTRIBUTES &&
        (atrybuty & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        stan.rodzaj = StanPliku::Rodzaj::Inny;
    return blad;
}

bool PlikUzytkownika(const StanPliku&) {
    return true; // the folders the program looks in are the user's own profile's
}

bool TylkoDoOdczytu(const std::filesystem::path& sciezka, const StanPliku&) {
    const DWORD atrybuty = ::GetFileAttributesW(sciezka.c_str());
    return atrybuty != INVALID_FILE_ATTRIBUTES && (atrybuty & FILE_ATTRIBUTE_READONLY) != 0;
}

int NadajWlasciwosci(int, const StanPliku&) {
    // The new file inherits its folder's access rules, as the old one did;
    // a read-only file is never replaced.
    return 0;
}

} // namespace orbaklaw::platform
