#include "platform/Srodowisko.h"

#include <cstdlib>
#include <stdlib.h>

namespace orbaklaw::platform {

std::optional<std::string> Zmienna(const std::string& nazwa) {
    const char* wartosc = std::getenv(nazwa.c_str());
    if (wartosc == nullptr)
        return std::nullopt;
    return std::string(wartosc);
}

bool UstawZmienna(const std::string& nazwa, const std::string& wartosc) {
    return ::setenv(nazwa.c_str(), wartosc.c_str(), 1) == 0;
}

bool UsunZmienna(const std::string& nazwa) {
    return ::unsetenv(nazwa.c_str()) == 0;
}

bool CzasLokalny(std::time_t czas, std::tm& lokalny) {
    return ::localtime_r(&czas, &lokalny) != nullptr;
}

} // namespace orbaklaw::platform
