#include "platform/UrzadzeniaSzeregowe.h"

#include "platform/KodowanieSciezek.h"

#include <cerrno>
#include <windows.h>

namespace orbaklaw::platform {

namespace {

constexpr int NajwyzszyPort = 256;

} // namespace

std::vector<UrzadzenieSzeregowe> UrzadzeniaSzeregowe(const FolderyUrzadzen&) {
    // The COM ports the system knows, in number order.
    std::vector<UrzadzenieSzeregowe> wynik;
    char cel[1024];
    for (int com = 1; com <= NajwyzszyPort; ++com) {
        const std::string nazwa = "COM" + std::to_string(com);
        if (::QueryDosDeviceA(nazwa.c_str(), cel, sizeof cel) != 0)
            wynik.push_back({DomyslneUrzadzeniePortu(com), {}, cel});
    }
    return wynik;
}

std::string OpisZNazwyPoId(const std::string& nazwa) {
    return nazwa; // Windows names its ports by number only
}

int BladOtwarciaUrzadzenia(const std::string& sciezka) {
    const std::filesystem::path nazwa = SciezkaZBajtow(sciezka);
    HANDLE uchwyt = ::CreateFileW(nazwa.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    if (uchwyt != INVALID_HANDLE_VALUE) {
        ::CloseHandle(uchwyt);
        return 0;
    }
    switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EBUSY;
    default:
        return EIO;
    }
}

int BladDostepuDoUrzadzenia(const std::string& sciezka) {
    return BladOtwarciaUrzadzenia(sciezka);
}

std::string DomyslneUrzadzeniePortu(int com) {
    return "\\\\.\\COM" + std::to_string(com);
}

} // namespace orbaklaw::platform
