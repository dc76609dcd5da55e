// One copy of a program guarded as the program is: the mutex
// "VARKOORBA123", then its window (class "TApplication", the caption given).
//   sonda_jednej_kopii_win32 CAPTION   first copy: shows its window iconic,
//       sets the event "orbaklaw-sonda-gotowa" and runs until the window is
//       closed (exit 0); a later copy brings the first copy's window
//       forward and ends (exit 3; 4 when it found no window)
//   sonda_jednej_kopii_win32 --guard   only the mutex: exit 0 when this is
//       the first copy, 5 when another runs
#include "platform/JedynaKopia.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr const char* Nazwa = "VARKOORBA123";
constexpr const char* Klasa = "TApplication";

LRESULT CALLBACK Procedura(HWND okno, UINT komunikat, WPARAM w, LPARAM l) {
    if (komunikat == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(okno, komunikat, w, l);
}

int PierwszaKopia(const char* tytul) {
    WNDCLASSA klasa{};
    klasa.lpfnWndProc = Procedura;
    klasa.hInstance = ::GetModuleHandleA(nullptr);
    klasa.lpszClassName = Klasa;
    if (!::RegisterClassA(&klasa))
        return 10;
    HWND okno = ::CreateWindowA(Klasa, tytul, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                klasa.hInstance, nullptr);
    if (!okno)
        return 11;
    ::ShowWindow(okno, SW_SHOWMINIMIZED);
    HANDLE gotowa = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, "orbaklaw-sonda-gotowa");
    if (gotowa) {
        ::SetEvent(gotowa);
        ::CloseHandle(gotowa);
    }
    // Never longer than a minute, whatever the test does.
    ::SetTimer(okno, 1, 60000, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER)
            ::DestroyWindow(okno);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    orbaklaw::platform::JedynaKopia kopia(Nazwa);
    if (std::strcmp(argv[1], "--guard") == 0)
        return kopia.InnaKopiaDziala() ? 5 : 0;
    if (kopia.InnaKopiaDziala())
        return orbaklaw::platform::JedynaKopia::PrzywolajOkno(Klasa, argv[1]) ? 3 : 4;
    return PierwszaKopia(argv[1]);
}
