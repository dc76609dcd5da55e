#include "comm/TestLacza.h"

#include "comm/ModeleKas.h"
#include "comm/PowodNiedostepnosciPortu.h"
#include "comm/ProbaLacza.h"
#include "format/KomunikatyBledow.h"
#include "format/UrzadzeniePortu.h"
#include "state/StanProgramu.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"

namespace orbaklaw {

namespace {

std::string KodDwucyfrowy(int kod) {
    return std::string(1, static_cast<char>('0' + kod / 10)) + static_cast<char>('0' + kod % 10);
}

} // namespace

ZBiblioteki<std::string> TestLacza::Wykonaj(const UstawieniaKomunikacji& u) {
    com_ = u.port;
    stan_.TypKasy = 0;
    stan_.NrKasyZTestu = 0;
    const WynikProbyLacza wynik = ProbujLacze(port_, u);
    // What the test found before the library failed stays.
    std::string pokazany = Pokaz(wynik);
    if (wynik.blad == BladProbyLacza::Biblioteka)
        return BladBiblioteki{wynik.powod};
    return pokazany;
}

// The identification's model and version are kept even when the number
// query then fails; NumerKasy only for a good number.
std::string TestLacza::Pokaz(const WynikProbyLacza& wynik) {
    if (wynik.zainicjowany)
        stan_.KodBledu = 0; // a port that can't be opened has its own message, not a code's
    if (wynik.zidentyfikowana) {
        stan_.TypKasy = KodModelu(wynik.model);
        stan_.WersjaKasy = wynik.wersja;
    }
    if (!wynik.numer.empty()) {
        stan_.NumerKasy = wynik.numer;
        stan_.NrKasyZTestu = wynik.nrKasy;
    }
    switch (wynik.blad) {
    case BladProbyLacza::Brak:
    case BladProbyLacza::Biblioteka:
        break;
    case BladProbyLacza::Port:
    case BladProbyLacza::Kanal:
        PokazBladPortu(wynik);
        return {};
    case BladProbyLacza::Identyfikacja:
    case BladProbyLacza::Numer:
        stan_.KodBledu = wynik.kod;
        dialogi_.Blad(Z1250(KomunikatBledu(wynik.kod)));
        return {};
    }
    return wynik.numer.empty() ? std::string() : KodDwucyfrowy(stan_.TypKasy) + wynik.numer;
}

// A port that can't be opened is named, with the reason, under the message.
void TestLacza::PokazBladPortu(const WynikProbyLacza& wynik) {
    QString tekst = Z1250(NiemozliweZainicjowaniePortu());
    if (wynik.blad == BladProbyLacza::Port) {
        const auto port = UrzadzenieCom(com_);
        const std::string powod = port.blad ? BlednePrzypisaniePortow() + port.blad->Komunikat()
                                            : PowodNiedostepnosciPortu(port.urzadzenie);
        if (!powod.empty())
            tekst += QStringLiteral("\r") + Z1250(powod);
    }
    dialogi_.Komunikat(tekst);
}

} // namespace orbaklaw
