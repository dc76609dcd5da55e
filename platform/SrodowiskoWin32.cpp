#include "platform/Srodowisko.h"

#include <stdlib.h>

namespace orbaklaw::platform {

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
