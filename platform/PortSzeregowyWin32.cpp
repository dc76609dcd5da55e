#include "platform/PortSzeregowy.h"

#include "platform/KodowanieSciezek.h"

#include <windows.h>

#include <cstdlib>

namespace orbaklaw::platform {

namespace {

// A COM port opened through Win32. The system gives a port to one client at
// a time (no sharing at open), so a port in use is refused when opened.
class PortWin32 : public PortSzeregowy {
public:
    explicit PortWin32(HANDLE uchwyt) : uchwyt_(uchwyt) {}
    ~PortWin32() override { ::CloseHandle(uchwyt_); }
    PortWin32(const PortWin32&) = delete;
    PortWin32& operator=(const PortWin32&) = delete;

    bool Zapisz(const std::vector<uint8_t>& dane, int czasMs) override {
        if (!UstawCzasy(MAXDWORD, 0, 0, Ms(czasMs)))
            return false;
        DWORD wyslane = 0;
        return ::WriteFile(uchwyt_, dane.data(), static_cast<DWORD>(dane.size()), &wyslane,
                           nullptr) &&
               wyslane == dane.size();
    }

    std::vector<uint8_t> Czytaj(size_t najwiecej, int czasMs) override {
        // The read waits up to the time for the first byte, then ends at a
        // pause of OdstepMs between bytes (the end of what was sent), or
        // when `najwiecej` have come.
        std::vector<uint8_t> dane(najwiecej);
        DWORD przeczytane = 0;
        if (najwiecej == 0 || !UstawCzasy(OdstepMs, 0, Ms(czasMs), 0) ||
            !::ReadFile(uchwyt_, dane.data(), static_cast<DWORD>(najwiecej), &przeczytane, nullptr))
            przeczytane = 0;
        dane.resize(przeczytane);
        return dane;
    }

    void OdrzucWejscie() override { ::PurgeComm(uchwyt_, PURGE_RXCLEAR | PURGE_RXABORT); }

private:
    // Ten bit times at 9600 bit/s is about 10 ms: a longer pause ends a read.
    static constexpr DWORD OdstepMs = 20;

    static DWORD Ms(int czasMs) { return czasMs > 0 ? static_cast<DWORD>(czasMs) : 1; }

    bool UstawCzasy(DWORD odstep, DWORD mnoznik, DWORD odczyt, DWORD zapis) {
        COMMTIMEOUTS czasy{};
        czasy.ReadIntervalTimeout = odstep;
        czasy.ReadTotalTimeoutMultiplier = mnoznik;
        czasy.ReadTotalTimeoutConstant = odczyt;
        czasy.WriteTotalTimeoutMultiplier = 0;
        czasy.WriteTotalTimeoutConstant = zapis;
        return ::SetCommTimeouts(uchwyt_, &czasy) != 0;
    }

    HANDLE uchwyt_;
};

// 8 data bits, no parity, 1 stop bit, no flow control, DTR and RTS up.
bool UstawLinie(HANDLE uchwyt, int predkosc) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(uchwyt, &dcb))
        return false;
    dcb.BaudRate = static_cast<DWORD>(predkosc);
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    return ::SetCommState(uchwyt, &dcb) != 0;
}

} // namespace

std::unique_ptr<PortSzeregowy> PortSzeregowy::Otworz(const std::string& urzadzenie, int predkosc,
                                                     WynikOtwarciaPortu& wynik) {
    wynik = WynikOtwarciaPortu::NieOtwarty;
    if (predkosc != 9600 && predkosc != 19200)
        return nullptr;
    const std::filesystem::path nazwa = SciezkaZBajtow(urzadzenie);
    HANDLE uchwyt = ::CreateFileW(nazwa.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    if (uchwyt == INVALID_HANDLE_VALUE) {
        const DWORD blad = ::GetLastError();
        if (blad == ERROR_ACCESS_DENIED || blad == ERROR_SHARING_VIOLATION)
            wynik = WynikOtwarciaPortu::Zajety;
        return nullptr;
    }
    auto port = std::make_unique<PortWin32>(uchwyt);
    if (!::SetupComm(uchwyt, 4096, 4096) || !UstawLinie(uchwyt, predkosc)) {
        wynik = WynikOtwarciaPortu::NieUstawiony;
        return nullptr;
    }
    ::PurgeComm(uchwyt, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT);
    wynik = WynikOtwarciaPortu::Otwarty;
    return port;
}

} // namespace orbaklaw::platform
