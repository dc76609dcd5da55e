#include "platform/Terminal.h"

#include <unistd.h>

namespace orbaklaw::platform {

bool JestTerminalem(int plik) {
    return ::isatty(plik) != 0;
}

void WyjscieWUtf8() {}

long long ZapiszCzesc(int plik, const char* dane, size_t ile) {
    return ::write(plik, dane, ile);
}

} // namespace orbaklaw::platform
