#include "platform/Dopisywanie.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <sys/stat.h>

namespace orbaklaw::platform {

int OtworzDoDopisywania(const std::filesystem::path& plik) {
    return ::_wopen(plik.c_str(), _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}

std::FILE* StrumienDopisywania(int plik) {
    return ::_fdopen(plik, "ab");
}

} // namespace orbaklaw::platform
