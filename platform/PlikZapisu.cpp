#include "platform/PlikZapisu.h"

#include <fcntl.h>

namespace orbaklaw::platform {

int UtworzPlikZapisu(const std::filesystem::path& plik, unsigned prawa) {
    return ::open(plik.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                  static_cast<mode_t>(prawa));
}

int OtworzDoZapisu(const std::filesystem::path& plik, bool bezCzekania) {
    return ::open(plik.c_str(), bezCzekania
                                    ? O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY
                                    : O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
}

int OtworzDoPrzepisania(const std::filesystem::path& plik) {
    return ::open(plik.c_str(), O_RDONLY | O_CLOEXEC);
}

} // namespace orbaklaw::platform
