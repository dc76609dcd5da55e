#include "tests/support/Cp1250.h"

#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace orbaklaw::test {

std::string Cp1250(std::string_view utf8) {
    iconv_t cd = iconv_open("WINDOWS-1250", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv has no WINDOWS-1250");
    std::string wejscie(utf8);
    std::vector<char> wyjscie(wejscie.size() + 1);
    char* we = wejscie.data();
    char* wy = wyjscie.data();
    size_t zostalo_we = wejscie.size();
    size_t zostalo_wy = wyjscie.size();
    const size_t wynik = iconv(cd, &we, &zostalo_we, &wy, &zostalo_wy);
    iconv_close(cd);
    if (wynik == static_cast<size_t>(-1))
        throw std::runtime_error("not convertible to Windows-1250: " + std::string(utf8));
    return std::string(wyjscie.data(), static_cast<size_t>(wy - wyjscie.data()));
}

} // namespace orbaklaw::test
