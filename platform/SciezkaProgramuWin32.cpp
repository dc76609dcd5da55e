#include "platform/SciezkaProgramu.h"

#include <windows.h>

#include <vector>

namespace orbaklaw::platform {

std::filesystem::path SciezkaProgramu() {
    // The path may be longer than MAX_PATH: the buffer grows until it fits.
    std::vector<wchar_t> bufor(MAX_PATH);
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameW(nullptr, bufor.data(), static_cast<DWORD>(bufor.size()));
        if (n == 0)
            return {};
        if (n < bufor.size())
            return std::filesystem::path(std::wstring(bufor.data(), n));
        if (bufor.size() >= 32768)
            return {};
        bufor.resize(bufor.size() * 2);
    }
}

} // namespace orbaklaw::platform
