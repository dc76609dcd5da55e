#include "platform/Dopisywanie.h"

#include <fcntl.h>
#include <stdio.h>

namespace orbaklaw::platform {

int OtworzDoDopisywania(const std::filesystem::path& plik) {
    return ::open(plik.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                  0644);
}

std::FILE* StrumienDopisywania(int plik) {
    return ::fdopen(plik, "ab");
}

} // namespace orbaklaw::platform
