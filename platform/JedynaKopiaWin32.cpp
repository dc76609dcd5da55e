#include "platform/JedynaKopia.h"

#include <windows.h>

namespace orbaklaw::platform {

JedynaKopia::JedynaKopia(const std::string& nazwa) {
    uchwyt_ = ::CreateMutexA(nullptr, TRUE, nazwa.c_str());
    innaKopia_ = ::GetLastError() == ERROR_ALREADY_EXISTS;
}

JedynaKopia::~JedynaKopia() {
    if (uchwyt_)
        ::CloseHandle(static_cast<HANDLE>(uchwyt_));
}

bool JedynaKopia::PrzywolajOkno(const char* klasa, const char* tytul) {
    HWND okno = ::FindWindowA(klasa, tytul);
    if (!okno)
        return false;
    // Asynchronously: the first copy's window belongs to another process,
    // and a busy one must not hold this copy, which only ends.
    if (::IsIconic(okno))
        ::ShowWindowAsync(okno, SW_RESTORE);
    ::SetForegroundWindow(okno);
    return true;
}

} // namespace orbaklaw::platform
