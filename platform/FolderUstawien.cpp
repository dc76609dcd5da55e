#include "platform/FolderUstawien.h"

#include <cstdlib>

namespace orbaklaw::platform {

namespace {
const char* Niepusta(const char* nazwa) {
    const char* wartosc = std::getenv(nazwa);
    return wartosc != nullptr && *wartosc != '\0' ? wartosc : nullptr;
}
} // namespace

std::optional<std::filesystem::path> FolderUstawienUzytkownika() {
    if (const char* xdg = Niepusta("XDG_CONFIG_HOME");
        xdg != nullptr && std::filesystem::path(xdg).is_absolute())
        return std::filesystem::path(xdg);
    if (const char* dom = Niepusta("HOME"))
        return std::filesystem::path(dom) / ".config";
    return std::nullopt;
}

} // namespace orbaklaw::platform
