#include "platform/Terminal.h"

#include <climits>
#include <io.h>
#include <windows.h>

namespace orbaklaw::platform {

bool JestTerminalem(int plik) {
    return ::_isatty(plik) != 0;
}

void WyjscieWUtf8() {
    ::SetConsoleOutputCP(CP_UTF8);
}

long long ZapiszCzesc(int plik, const char* dane, size_t ile) {
    return ::_write(plik, dane, static_cast<unsigned>(ile > INT_MAX ? INT_MAX : ile));
}

} // namespace orbaklaw::platform
