#include "appearance/MenuWydruku.h"

#include "appearance/KalibracjaDrukarek.h"
#include "appearance/OknoKalibracji.h"
#include "files/NazwyPlikow.h"
#include "files/PlikTekstowy.h"
#include "state/StanProgramu.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>

namespace orbaklaw {

namespace {

QAction* Pozycja(QMenu& menu, const QString& tekst, const char* nazwa) {
    QAction* akcja = menu.addAction(tekst);
    akcja->setObjectName(QString::fromLatin1(nazwa));
    return akcja;
}

} // namespace

MenuWydruku::MenuWydruku(QMenuBar& pasek, const OknoMenuWydruku& okno)
    : okno_(okno), dialogi_(*okno.dialogi) {
    QMenu* menu = pasek.addMenu(QStringLiteral("&Wydruk"));
    menu->setObjectName(QStringLiteral("menuWydruk"));
    const Akcje& akcje = *okno.akcje;
    akcje.Podlacz(Pozycja(*menu, QStringLiteral("&Lista klawiszy..."), "aListaKlawiszy"),
                  &QAction::triggered, this, [this] { DrukujListe(); });
    akcje.Podlacz(Pozycja(*menu, QStringLiteral("Lista klawiszy do &PDF..."), "aListaPdf"),
                  &QAction::triggered, this, [this] { ZapiszListePdf(); });
    menu->addSeparator();
    akcje.Podlacz(Pozycja(*menu, QStringLiteral("&Kalibracja drukarki..."), "aKalibracja"),
                  &QAction::triggered, this, [this] { KalibracjaDrukarki(); });
}

void MenuWydruku::KalibracjaDrukarki() {
    const auto plik = PlikDrukarek();
    if (!plik) {
        dialogi_.Blad(QStringLiteral("Nie wiadomo, gdzie zapisać kalibrację drukarki (brak "
                                     "zmiennej HOME)."));
        return;
    }
    PomiaryDrukarek pomiary = CzytajPomiaryDrukarek(*plik);
    OknoKalibracji okno(pomiary, QPrinterInfo::availablePrinterNames(),
                        QPrinterInfo::defaultPrinterName(), dialogi_, okno_.okno);
    if (dialogi_.Modalnie(okno) != QDialog::Accepted)
        return;
    if (okno.Pomiar() == PomiarLinijek{})
        pomiary.erase(okno.Drukarka()); // 100 mm each way: no correction
    else
        pomiary[okno.Drukarka()] = okno.Pomiar();
    ZapiszPomiaryDrukarek(*plik, pomiary);
}

ListaKlawiszy MenuWydruku::Lista() const {
    const StanProgramu& stan = *okno_.stan;
    ListaKlawiszy lista;
    lista.naglowek = {
        stan.NumerKasy,
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString(),
        stan.ZrodloDefinicji};
    NazwyZKasy nazwy;
    nazwy.towary = &stan.towary; // an unknown goods name is simply left out
    for (int i = 0; i < 3 && okno_.platnosci != nullptr; ++i)
        nazwy.platnosci[static_cast<size_t>(i)] = Do1250(okno_.platnosci->itemText(i + 1));
    lista.wiersze = WierszeListyKlawiszy(stan.tablice, nazwy);
    return lista;
}

void MenuWydruku::DrukujListe() {
    const ListaKlawiszy lista = Lista();
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setCopyCount(1);
    if (!dialogi_.Podglad(drukarka, [&lista](QPrinter& p) { RysujListeKlawiszy(p, lista); }) ||
        !dialogi_.Drukuj(drukarka))
        return;
    const QString blad = DrukujListeKlawiszy(drukarka, lista);
    if (!blad.isEmpty())
        dialogi_.Blad(blad);
}

void MenuWydruku::ZapiszListePdf() {
    DialogPliku pdf{QStringLiteral("Dokument PDF (*.pdf)|*.pdf"),
                    QStringLiteral("pdf"),
                    {},
                    false,
                    QStringLiteral("lista-klawiszy.pdf")};
    const auto wybrany = dialogi_.ZapiszPlik(pdf);
    if (!wybrany)
        return;
    const std::string plik = SciezkaSystemu(*wybrany).string();
    if (NazwaZastrzezona(plik)) {
        dialogi_.Komunikat(*wybrany + QStringLiteral(" : zastrzeżona nazwa pliku"));
        return;
    }
    const QByteArray bajty = ListaKlawiszyPdf(Lista());
    if (bajty.isEmpty()) {
        dialogi_.Blad(QStringLiteral("Nie udało się utworzyć listy klawiszy w PDF."));
        return;
    }
    ZapiszAtomowo(plik, bajty.toStdString());
}

} // namespace orbaklaw
