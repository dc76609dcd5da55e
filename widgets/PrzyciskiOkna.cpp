#include "widgets/PrzyciskiOkna.h"

#include "ui/Czcionki.h"

#include <QGroupBox>
#include <QPushButton>

namespace orbaklaw {

namespace {
QGroupBox* Grupa(QWidget* okno, const QString& tytul, int x, int y, int szer, int wys) {
    auto* g = new QGroupBox(tytul, okno);
    g->setGeometry(x, y, szer, wys);
    g->setFont(CzcionkaOkna(10));
    return g;
}

QPushButton* Przycisk(QWidget* okno, const char* nazwa, const QString& tekst, int punkty, int x,
                      int y, int szer, int wys) {
    auto* p = new QPushButton(tekst, okno);
    p->setObjectName(QString::fromLatin1(nazwa));
    p->setGeometry(x, y, szer, wys);
    p->setFont(CzcionkaOkna(punkty));
    p->setAutoDefault(false);
    return p;
}

// Both groups read and write files with buttons of these captions.
QString OdczytZPliku() {
    return QStringLiteral("Odczyt z pliku");
}

QString ZapisDoPliku() {
    return QStringLiteral("Zapis do pliku");
}
} // namespace

PrzyciskiOkna::PrzyciskiOkna(QWidget* okno) {
    UtworzDefinicje(okno);
    UtworzWyglad(okno);
}

void PrzyciskiOkna::UtworzDefinicje(QWidget* okno) {
    grupaDefinicji = Grupa(okno, QStringLiteral("Definicje klawiszy"), 360, 200, 249, 121);
    bOdczyt = Przycisk(okno, "bOdczyt", QStringLiteral("Odczyt z kasy"), 8, 392, 224, 97, 25);
    bZapis = Przycisk(okno, "bZapis", QStringLiteral("Zapis do kasy"), 8, 496, 224, 89, 25);
    Button4 = Przycisk(okno, "Button4", QStringLiteral("Połączenie"), 9, 393, 255, 95, 26);
    bKasowanie = Przycisk(okno, "bKasowanie", QStringLiteral("Kasowanie"), 8, 496, 256, 89, 25);
    bOdczytPlik = Przycisk(okno, "bOdczytPlik", OdczytZPliku(), 8, 392, 288, 97, 25);
    bZapisPlik = Przycisk(okno, "bZapisPlik", ZapisDoPliku(), 8, 496, 288, 89, 25);
}

void PrzyciskiOkna::UtworzWyglad(QWidget* okno) {
    grupaWygladu = Grupa(okno, QStringLiteral("Wygląd klawiatury"), 360, 328, 249, 113);
    Button2 = Przycisk(okno, "Button2", QStringLiteral("Edycja"), 9, 392, 348, 83, 25);
    bbDrukuj = Przycisk(okno, "bbDrukuj", QStringLiteral("Wydruk"), 9, 493, 348, 91, 25);
    BitBtnOdczyt = Przycisk(okno, "BitBtnOdczyt", OdczytZPliku(), 9, 392, 375, 81, 26);
    BitBtn1 = Przycisk(okno, "BitBtn1", ZapisDoPliku(), 9, 496, 375, 89, 26);
    bCzcionka = Przycisk(okno, "bCzcionka", QStringLiteral("Czcionka"), 9, 392, 407, 82, 26);
    Button1 = Przycisk(okno, "Button1", QStringLiteral("Układ domyślny"), 9, 491, 407, 95, 26);
}

} // namespace orbaklaw
