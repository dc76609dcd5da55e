#include "platform/BladWin32.h"

#include <windows.h>

namespace orbaklaw::platform {

std::string OpisBleduWin32(unsigned long kod) {
    char* tekst = nullptr;
    const DWORD dlugosc = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, kod, 0, reinterpret_cast<char*>(&tekst), 0, nullptr);
    std::string opis = dlugosc && tekst ? std::string(tekst, dlugosc) : std::string();
    if (tekst)
        ::LocalFree(tekst);
    while (!opis.empty() && (opis.back() == '\n' || opis.back() == '\r' || opis.back() == ' '))
        opis.pop_back();
    return opis.empty() ? "b\xb3\xb9"
                          "d " +
                              std::to_string(kod)
                        : opis;
}

} // namespace orbaklaw::platform
