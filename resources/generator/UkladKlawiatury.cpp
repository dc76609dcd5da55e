#include "UkladKlawiatury.h"

#include "appearance/PolaEtykiet.h"

#include <array>

namespace orbaklaw::rysunek {

namespace {

// Column and row bounds chosen so every label field lies inside its key.
constexpr std::array<std::array<double, 2>, 5> Kolumny{
    {{4, 66}, {76, 138}, {146, 208}, {216, 278}, {289, 351}}};
constexpr std::array<std::array<double, 2>, 6> Wiersze{
    {{4, 58}, {70, 124}, {134, 188}, {202, 256}, {269, 323}, {335, 389}}};

const QColor KolorF(232, 231, 228);
const QColor KolorCyfry(222, 233, 237);
const QColor KolorStaly(206, 207, 210);
const QColor KolorWyjscia(196, 84, 72);
const QColor KolorKasowania(226, 146, 58);
const QColor KolorSumy(86, 150, 92);

QRectF Ramka(int kolumna, int wiersz) {
    const auto& k = Kolumny[static_cast<size_t>(kolumna)];
    const auto& w = Wiersze[static_cast<size_t>(wiersz)];
    return QRectF(QPointF(k[0], w[0]), QPointF(k[1], w[1]));
}

struct Opis {
    int kolumna, wiersz;
    RodzajKlawisza rodzaj;
    const char* napis;
    int nr;
    QColor kolor;
};

std::vector<Opis> Opisy() {
    using R = RodzajKlawisza;
    std::vector<Opis> o = {
        {0, 0, R::Staly, "WYJŚCIE", -1, KolorWyjscia},
        {0, 2, R::Staly, "ILOŚĆ", -1, KolorStaly},
        {0, 3, R::Staly, "CENA", -1, KolorStaly},
        {0, 4, R::Staly, "NAZWA", -1, KolorStaly},
        {0, 5, R::Staly, "C", -1, KolorKasowania},
        {4, 2, R::Staly, "▲", -1, KolorStaly},
        {4, 3, R::Staly, "▼", -1, KolorStaly},
        {4, 4, R::Staly, "PLU\nMENU", -1, KolorStaly},
        {4, 5, R::Staly, "SUMA", -1, KolorSumy},
        {2, 5, R::Staly, "00", -1, KolorStaly},
        {3, 5, R::Staly, ",", -1, KolorStaly},
        {1, 5, R::Cyfra, "0", 9, KolorCyfry},
    };
    for (int f = 0; f < 9; ++f) {
        const int kolumna = f < 4 ? f + 1 : f - 4;
        o.push_back({kolumna, f < 4 ? 0 : 1, R::Funkcyjny, nullptr, f, KolorF});
    }
    for (int cyfra = 1; cyfra <= 9; ++cyfra) {
        const int wiersz = 4 - (cyfra - 1) / 3;
        o.push_back({1 + (cyfra - 1) % 3, wiersz, R::Cyfra, nullptr, 9 + cyfra, KolorCyfry});
    }
    return o;
}

QString Napis(const Opis& o) {
    if (o.napis != nullptr)
        return QString::fromUtf8(o.napis);
    if (o.rodzaj == RodzajKlawisza::Funkcyjny)
        return QStringLiteral("F%1").arg(o.nr + 1);
    return QString::number(o.nr - 9);
}

QRectF ProstokatPolaF(const ProstokatPola& p) {
    return QRectF(p.left, p.top, p.width, p.height);
}

} // namespace

std::vector<KlawiszRysunku> UkladKlawiatury() {
    std::vector<KlawiszRysunku> klawisze;
    for (const Opis& o : Opisy())
        klawisze.push_back({Ramka(o.kolumna, o.wiersz), o.rodzaj, Napis(o), o.nr, o.kolor});
    return klawisze;
}

QRectF OknoEtykiety(int nrKlawisza) {
    const auto& pola = PolaEtykiet();
    const QRectF pierwsza =
        ProstokatPolaF(pola[static_cast<size_t>(IndeksPolaEtykiety(nrKlawisza, false))].miejsce);
    const QRectF druga =
        ProstokatPolaF(pola[static_cast<size_t>(IndeksPolaEtykiety(nrKlawisza, true))].miejsce);
    return pierwsza.united(druga).adjusted(-1, -1, 1, 1);
}

} // namespace orbaklaw::rysunek
