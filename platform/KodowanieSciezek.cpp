#include "platform/KodowanieSciezek.h"

namespace orbaklaw::platform {

std::filesystem::path SciezkaZBajtow(std::string_view bajty) {
    return std::filesystem::path(std::string(bajty));
}

std::string BajtySciezki(const std::filesystem::path& sciezka) {
    return sciezka.native();
}

} // namespace orbaklaw::platform
