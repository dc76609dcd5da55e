#include "BudowaAni.h"

namespace orbaklaw::testy {

namespace {

std::string Slowo(uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

std::string Tablica(const std::vector<uint32_t>& v) {
    std::string s;
    for (uint32_t x : v)
        s += Dword(x);
    return s;
}

QImage Klatka(int n) {
    QImage obraz(32, 32, QImage::Format_ARGB32);
    obraz.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y)
        obraz.setPixel(n * 8, y, qRgba(200, 40, 40, 255));
    return obraz;
}

} // namespace

std::string Dword(uint32_t v) {
    return Slowo(static_cast<uint16_t>(v & 0xFFFF)) + Slowo(static_cast<uint16_t>(v >> 16));
}

std::string Fragment(const std::string& id, const std::string& dane) {
    std::string f = id + Dword(static_cast<uint32_t>(dane.size())) + dane;
    if (dane.size() % 2 != 0)
        f += '\0';
    return f;
}

std::string PlikCur(const QImage& obraz, int x, int y) {
    const QImage argb = obraz.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    std::string piksele;
    for (int wiersz = h - 1; wiersz >= 0; --wiersz) {
        for (int kol = 0; kol < w; ++kol) {
            const QRgb p = argb.pixel(kol, wiersz);
            piksele += {static_cast<char>(qBlue(p)), static_cast<char>(qGreen(p)),
                        static_cast<char>(qRed(p)), static_cast<char>(qAlpha(p))};
        }
    }
    const std::string maska(static_cast<size_t>((w + 31) / 32 * 4 * h), '\0');
    std::string bih = Dword(40) + Dword(static_cast<uint32_t>(w)) +
                      Dword(static_cast<uint32_t>(2 * h)) + Slowo(1) + Slowo(32) + Dword(0) +
                      Dword(static_cast<uint32_t>(piksele.size() + maska.size())) + Dword(0) +
                      Dword(0) + Dword(0) + Dword(0);
    const std::string obrazBajty = bih + piksele + maska;
    return Slowo(0) + Slowo(2) + Slowo(1) +
           std::string{static_cast<char>(w), static_cast<char>(h), 0, 0} +
           Slowo(static_cast<uint16_t>(x)) + Slowo(static_cast<uint16_t>(y)) +
           Dword(static_cast<uint32_t>(obrazBajty.size())) + Dword(22) + obrazBajty;
}

BudowaAni::BudowaAni() : seq{2, 1, 0} {
    for (int n = 0; n < 3; ++n)
        klatki.push_back(PlikCur(Klatka(n), 3 + n, 4 + n));
}

std::string BudowaAni::Naglowek() const {
    return Dword(36) + Dword(klatkiWNaglowku) + Dword(kroki) + Dword(0) + Dword(0) + Dword(0) +
           Dword(0) + Dword(jiffies) + Dword(flagi);
}

std::string BudowaAni::Plik() const {
    std::string fram = "fram";
    for (const std::string& k : klatki)
        fram += Fragment("icon", k);
    std::string tresc = "ACON" + Fragment("anih", Naglowek());
    if (!rate.empty())
        tresc += Fragment("rate", Tablica(rate));
    if (!seq.empty())
        tresc += Fragment("seq ", Tablica(seq));
    tresc += dodatkowe + Fragment("LIST", fram);
    return "RIFF" + Dword(static_cast<uint32_t>(tresc.size())) + tresc;
}

} // namespace orbaklaw::testy
