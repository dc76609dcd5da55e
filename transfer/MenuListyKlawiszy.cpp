#include "transfer/MenuListyKlawiszy.h"

#include "files/NazwyPlikow.h"
#include "files/PlikTekstowy.h"
#include "files/PlikZastrzezony.h"
#include "keys/StanKlawiszy.h"
#include "state/StanProgramu.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/MenuOkna.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"

#include <QComboBox>
#include <QPrinter>

namespace orbaklaw {

MenuListyKlawiszy::MenuListyKlawiszy(MenuOkna& menu, const OknoListyKlawiszy& okno)
    : okno_(okno), dialogi_(*okno.dialogi) {
    const QString wydruk = QStringLiteral("&Wydruk");
    menu.Dodaj(wydruk, QStringLiteral("&Lista klawiszy..."), QStringLiteral("aListaKlawiszy"),
               [this] { DrukujListe(); });
    menu.Dodaj(wydruk, QStringLiteral("Lista klawiszy do &PDF..."), QStringLiteral("aListaPdf"),
               [this] { ZapiszListePdf(); });
}

ListaKlawiszy MenuListyKlawiszy::Lista() const {
    const StanProgramu& stan = *okno_.stan;
    ListaKlawiszy lista;
    lista.naglowek = {stan.NumerKasy, DataListyKlawiszy(), OpisZrodla(stan)};
    NazwyZKasy nazwy;
    nazwy.towary = &stan.towary; // an unknown goods name is simply left out
    for (int i = 0; i < 3 && okno_.platnosci != nullptr; ++i)
        nazwy.platnosci[static_cast<size_t>(i)] = Do1250(okno_.platnosci->itemText(i + 1));
    lista.wiersze = WierszeListyKlawiszy(stan.tablice, nazwy);
    return lista;
}

void MenuListyKlawiszy::DrukujListe() {
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

void MenuListyKlawiszy::ZapiszListePdf() {
    DialogPliku pdf{QStringLiteral("Dokument PDF (*.pdf)|*.pdf"),
                    QStringLiteral("pdf"),
                    {},
                    false,
                    QStringLiteral("lista-klawiszy.pdf"),
                    {}};
    const auto wybrany = dialogi_.ZapiszPlik(pdf);
    if (!wybrany)
        return;
    const std::string plik = SciezkaSystemu(*wybrany).string();
    if (NazwaZastrzezona(plik) || PlikZastrzezony(plik)) {
        dialogi_.Komunikat(ZastrzezonaNazwaPliku(*wybrany));
        return;
    }
    const QByteArray bajty = ListaKlawiszyPdf(Lista());
    if (bajty.isEmpty()) {
        dialogi_.Blad(QStringLiteral("Nie udało się utworzyć listy klawiszy w PDF."));
        return;
    }
    if (auto zapis = ZapiszAtomowo(plik, bajty.toStdString()); !zapis)
        okno_.akcje->Zglos(zapis.Blad());
}

} // namespace orbaklaw
