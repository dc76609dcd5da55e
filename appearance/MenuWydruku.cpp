#include "appearance/MenuWydruku.h"

#include "appearance/KalibracjaDrukarek.h"
#include "appearance/OknoKalibracji.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/MenuOkna.h"

#include <QMenu>
#include <QPrinterInfo>

namespace orbaklaw {

MenuWydruku::MenuWydruku(MenuOkna& menu, const OknoMenuWydruku& okno)
    : okno_(okno), dialogi_(*okno.dialogi) {
    const QString wydruk = QStringLiteral("&Wydruk");
    menu.Menu(wydruk).addSeparator();
    menu.Dodaj(wydruk, QStringLiteral("&Kalibracja drukarki..."), QStringLiteral("aKalibracja"),
               [this] { KalibracjaDrukarki(); });
}

void MenuWydruku::KalibracjaDrukarki() {
    const auto plik = PlikDrukarek();
    if (!plik) {
        dialogi_.Blad(QStringLiteral("Nie wiadomo, gdzie zapisać kalibrację drukarki (brak "
                                     "zmiennej HOME)."));
        return;
    }
    auto odczytane = CzytajPomiaryDrukarek(*plik);
    if (!odczytane) {
        okno_.akcje->Zglos(odczytane.Blad());
        return;
    }
    PomiaryDrukarek& pomiary = *odczytane;
    OknoKalibracji okno(pomiary, QPrinterInfo::availablePrinterNames(),
                        QPrinterInfo::defaultPrinterName(), dialogi_, okno_.okno);
    if (dialogi_.Modalnie(okno) != QDialog::Accepted)
        return;
    if (okno.Pomiar() == PomiarLinijek{})
        pomiary.erase(okno.Drukarka()); // 100 mm each way: no correction
    else
        pomiary[okno.Drukarka()] = okno.Pomiar();
    if (auto zapis = ZapiszPomiaryDrukarek(*plik, pomiary); !zapis)
        okno_.akcje->Zglos(zapis.Blad());
}

} // namespace orbaklaw
