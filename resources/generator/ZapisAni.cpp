#include "ZapisAni.h"

namespace orbaklaw::rysunek {

namespace {

std::string Slowo(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

std::string Dword(unsigned v) {
    return Slowo(v & 0xFFFF) + Slowo(v >> 16);
}

std::string Fragment(const std::string& id, const std::string& dane) {
    std::string f = id + Dword(static_cast<unsigned>(dane.size())) + dane;
    if (dane.size() % 2 != 0)
        f += '\0';
    return f;
}

// One CUR file: a directory of one entry, then a 32-bit DIB of double
// height (colour rows bottom-up, then an all-clear AND mask).
std::string PlikCur(const QImage& obraz, QPoint punkt) {
    const QImage argb = obraz.convertToFormat(QImage::Format_ARGB32);
    const auto w = static_cast<unsigned>(argb.width());
    const auto h = static_cast<unsigned>(argb.height());
    std::string piksele;
    for (int y = argb.height() - 1; y >= 0; --y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            piksele += {static_cast<char>(qBlue(p)), static_cast<char>(qGreen(p)),
                        static_cast<char>(qRed(p)), static_cast<char>(qAlpha(p))};
        }
    }
    const std::string maska((w + 31) / 32 * 4 * h, '\0');
    const std::string dib = Dword(40) + Dword(w) + Dword(2 * h) + Slowo(1) + Slowo(32) + Dword(0) +
                            Dword(static_cast<unsigned>(piksele.size() + maska.size())) + Dword(0) +
                            Dword(0) + Dword(0) + Dword(0) + piksele + maska;
    return Slowo(0) + Slowo(2) + Slowo(1) +
           std::string{static_cast<char>(w), static_cast<char>(h), 0, 0} +
           Slowo(static_cast<unsigned>(punkt.x())) + Slowo(static_cast<unsigned>(punkt.y())) +
           Dword(static_cast<unsigned>(dib.size())) + Dword(22) + dib;
}

} // namespace

std::string PlikAniZKlatek(const std::vector<QImage>& klatki, QPoint punktAktywny,
                           unsigned jiffies) {
    const auto n = static_cast<unsigned>(klatki.size());
    const std::string anih = Dword(36) + Dword(n) + Dword(n) + Dword(32) + Dword(32) + Dword(32) +
                             Dword(1) + Dword(jiffies) + Dword(1);
    std::string fram = "fram";
    for (const QImage& k : klatki)
        fram += Fragment("icon", PlikCur(k, punktAktywny));
    const std::string tresc = "ACON" + Fragment("anih", anih) + Fragment("LIST", fram);
    return "RIFF" + Dword(static_cast<unsigned>(tresc.size())) + tresc;
}

} // namespace orbaklaw::rysunek
