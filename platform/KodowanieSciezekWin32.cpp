#include "platform/KodowanieSciezek.h"

#include <windows.h>

namespace orbaklaw::platform {

namespace {
constexpr UINT StronaKodowa = 1250;
}

std::filesystem::path SciezkaZBajtow(std::string_view bajty) {
    if (bajty.empty())
        return {};
    const int zrodlo = static_cast<int>(bajty.size());
    const int n = ::MultiByteToWideChar(StronaKodowa, 0, bajty.data(), zrodlo, nullptr, 0);
    std::wstring szerokie(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(StronaKodowa, 0, bajty.data(), zrodlo, szerokie.data(), n);
    return std::filesystem::path(szerokie);
}

std::string BajtySciezki(const std::filesystem::path& sciezka) {
    const std::wstring& szerokie = sciezka.native();
    if (szerokie.empty())
        return {};
    const int zrodlo = static_cast<int>(szerokie.size());
    const int n = ::WideCharToMultiByte(StronaKodowa, 0, szerokie.data(), zrodlo, nullptr, 0,
                                        nullptr, nullptr);
    std::string bajty(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(StronaKodowa, 0, szerokie.data(), zrodlo, bajty.data(), n, "?", nullptr);
    return bajty;
}

} // namespace orbaklaw::platform
