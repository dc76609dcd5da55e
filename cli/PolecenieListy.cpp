#include "cli/PolecenieListy.h"

#include "appearance/ZapisPdf.h"
#include "cli/Komunikaty.h"
#include "cli/PolecenieWkladki.h"
#include "files/GraniceOdczytu.h"
#include "files/PlikTekstowy.h"
#include "transfer/ListaKlawiszyPdf.h"

#include <QGuiApplication>

namespace orbaklaw::cli {

namespace {

// The register number of the file's first line, "#NN".
WynikPliku<std::string> NumerKasyPliku(const std::string& plik) {
    const auto linie = CzytajLinie(plik, GranicePlikuDefinicji);
    if (!linie)
        return linie.Blad();
    if (linie->empty() || (*linie)[0].size() < 2 || (*linie)[0][0] != '#')
        return std::string();
    return (*linie)[0].substr(1, 2);
}

} // namespace

int ZapiszListePdf(const ListaDoPdf& lista, std::ostream& err) {
    const auto aplikacja = AplikacjaCli();
    const auto numer = NumerKasyPliku(lista.plik);
    if (!numer)
        return ZglosBladPliku(err, numer.Blad());
    ListaKlawiszy strona;
    strona.naglowek = {*numer, DataListyKlawiszy(), "plik " + lista.plik};
    NazwyZKasy nazwy;
    nazwy.towary = lista.nazwy.towary ? &*lista.nazwy.towary : nullptr;
    nazwy.platnosci = lista.nazwy.platnosci;
    strona.wiersze = WierszeListyKlawiszy(lista.tablice, nazwy);
    const QByteArray pdf = ListaKlawiszyPdf(strona);
    if (pdf.isEmpty()) {
        err << PoczatekKomunikatu << lista.pdf << ": " << DlaTerminala(PdfNiePowstal()) << "\n";
        return KodBladPliku;
    }
    if (auto zapis = ZapiszAtomowo(lista.pdf, pdf.toStdString()); !zapis)
        return ZglosBladPliku(err, zapis.Blad());
    return KodSukces;
}

} // namespace orbaklaw::cli
