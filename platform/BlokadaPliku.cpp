#include "platform/BlokadaPliku.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orbaklaw::platform {

int OtworzPlikBlokady(const char* sciezka) {
    return ::open(sciezka, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

bool ZablokujWylacznie(int plik) {
    return ::flock(plik, LOCK_EX | LOCK_NB) == 0;
}

bool ZablokujCzekajac(int plik) {
    int wynik = 0;
    while ((wynik = ::flock(plik, LOCK_EX)) != 0 && errno == EINTR) {
    }
    return wynik == 0;
}

void ZamknijPlikBlokady(int plik) {
    if (plik >= 0)
        ::close(plik);
}

} // namespace orbaklaw::platform
