#include "drivers/kasdrv/NazwyPlikowBiblioteki.h"

#include "files/NazwyPlikow.h"
#include "files/PlikTekstowy.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace orbaklaw::kasdrv {

namespace fs = std::filesystem;

namespace {
std::string Wielkie(std::string s) {
    for (auto& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
} // namespace

std::optional<std::string> NazwaZBufora(const char* bufor) {
    if (!bufor)
        return std::nullopt;
    const size_t dlugosc = strnlen(bufor, 256);
    if (dlugosc == 256)
        return std::nullopt;
    return std::string(bufor, dlugosc);
}

bool NazwaZastrzezona(const std::string& nazwa, const char* zastrzezona) {
    return Wielkie(CzescNazwy(nazwa)) == zastrzezona;
}

bool TenSamPlik(const std::string& a, const std::string& b) {
    std::error_code ec;
    const auto pa = fs::absolute(a, ec).lexically_normal();
    const auto pb = fs::absolute(b, ec).lexically_normal();
    if (fs::equivalent(pa, pb, ec))
        return true;
    return Wielkie(pa.string()) == Wielkie(pb.string());
}

std::string PlikNaDysku(const std::string& nazwa) {
    const fs::path p(nazwa);
    return ZnajdzPlik(p.parent_path(), p.filename().string()).string();
}

} // namespace orbaklaw::kasdrv
