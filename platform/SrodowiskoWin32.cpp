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
    // An empty value removes the variable on Windows.
    return ::_putenv_s(nazwa.c_str(), wartosc.c_str()) == 0;
}

bool UsunZmienna(const std::string& nazwa) {
    return ::_putenv_s(nazwa.c_str(), "") == 0;
}

bool CzasLokalny(std::time_t czas, std::tm& lokalny) {
    return ::localtime_s(&lokalny, &czas) == 0;
}

} // namespace orbaklaw::platform
