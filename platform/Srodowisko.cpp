#include "platform/Srodowisko.h"

#include <stdlib.h>

namespace orbaklaw::platform {

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
