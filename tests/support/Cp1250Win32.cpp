#include "tests/support/Cp1250.h"

#include <windows.h>

#include <stdexcept>

namespace orbaklaw::test {

// The system's own conversion, through UTF-16, with no near matches.
std::string Cp1250(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int dlugosc = static_cast<int>(utf8.size());
    const int n =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), dlugosc, nullptr, 0);
    if (n <= 0)
        throw std::runtime_error("not UTF-8: " + std::string(utf8));
    std::wstring szerokie(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), dlugosc, szerokie.data(), n);
    BOOL zastepczy = FALSE;
    const int m = ::WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, szerokie.data(), n, nullptr, 0,
                                        nullptr, &zastepczy);
    std::string wynik(static_cast<size_t>(m), '\0');
    ::WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, szerokie.data(), n, wynik.data(), m, nullptr,
                          &zastepczy);
    if (zastepczy)
        throw std::runtime_error("not convertible to Windows-1250: " + std::string(utf8));
    return wynik;
}

} // namespace orbaklaw::test
