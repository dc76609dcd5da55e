#include "platform/ZmianaFolderu.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orbaklaw::platform {

ZmianaFolderu::ZmianaFolderu(const std::filesystem::path& folder)
    : poprzedni_(::open(".", O_RDONLY | O_DIRECTORY)) {
    if (poprzedni_ < 0 || ::chdir(folder.c_str()) != 0)
        blad_ = errno;
}

ZmianaFolderu::~ZmianaFolderu() {
    if (poprzedni_ >= 0) {
        [[maybe_unused]] int wynik = ::fchdir(poprzedni_);
        ::close(poprzedni_);
    }
}

} // namespace orbaklaw::platform
