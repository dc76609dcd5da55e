#pragma once
// The register's keyboard as the pictures draw it: 5 columns by 6 rows of
// keys, in window pixels of the 358 x 406 picture.

#include <QColor>
#include <QRectF>
#include <QString>

#include <vector>

namespace orbaklaw::rysunek {

enum class RodzajKlawisza { Funkcyjny, Cyfra, Staly };

struct KlawiszRysunku {
    QRectF ramka;
    RodzajKlawisza rodzaj;
    QString napis;       // legend printed on the key
    int nrKlawisza = -1; // NrKlawisza of a programmable key, -1 otherwise
    QColor kolor;        // key cap
};

std::vector<KlawiszRysunku> UkladKlawiatury();

// The area the two label fields of a programmable key take, padded a little.
QRectF OknoEtykiety(int nrKlawisza);

} // namespace orbaklaw::rysunek
