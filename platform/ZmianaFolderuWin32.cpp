#include "platform/ZmianaFolderu.h"

#include <cerrno>

namespace orbaklaw::platform {

ZmianaFolderu::ZmianaFolderu(const std::filesystem::path& folder) {
    std::error_code ec;
    poprzedni_ = std::filesystem::current_path(ec);
    if (!ec)
        std::filesystem::current_path(folder, ec);
    if (ec) {
        const std::error_condition warunek = ec.default_error_condition();
        blad_ = warunek.category() == std::generic_category() ? warunek.value() : ENOENT;
        poprzedni_.clear();
    }
}

ZmianaFolderu::~ZmianaFolderu() {
    std::error_code ec;
    if (!poprzedni_.empty())
        std::filesystem::current_path(poprzedni_, ec);
}

} // namespace orbaklaw::platform
