#include "platform/Uzytkownik.h"

#include <windows.h>

#include <vector>

namespace orbaklaw::platform {

namespace {

// The bytes of this process's user SID; empty when the system won't tell.
std::vector<unsigned char> SidUzytkownika() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD rozmiar = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &rozmiar);
    std::vector<unsigned char> informacja(rozmiar);
    std::vector<unsigned char> sid;
    if (rozmiar && ::GetTokenInformation(token, TokenUser, informacja.data(), rozmiar, &rozmiar)) {
        const auto* uzytkownik = reinterpret_cast<const TOKEN_USER*>(informacja.data());
        const auto* poczatek = static_cast<const unsigned char*>(uzytkownik->User.Sid);
        sid.assign(poczatek, poczatek + ::GetLengthSid(uzytkownik->User.Sid));
    }
    ::CloseHandle(token);
    return sid;
}

} // namespace

unsigned long IdUzytkownika() {
    // Windows names a user by a SID, not a number: its FNV-1a hash stands in.
    unsigned long skrot = 2166136261UL;
    for (unsigned char bajt : SidUzytkownika())
        skrot = ((skrot ^ bajt) * 16777619UL) & 0xFFFFFFFFUL;
    return skrot;
}

} // namespace orbaklaw::platform
