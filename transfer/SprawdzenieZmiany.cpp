#include "transfer/SprawdzenieZmiany.h"
#include "files/StronyKodowe.h"

#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw {

namespace {

// Two sets are equal when the definition file would hold the same key lines.
bool Rowne(const TabliceKlawiszy& a, const TabliceKlawiszy& b) {
    return TekstPlikuDefinicji(a, "") == TekstPlikuDefinicji(b, "");
}

// What a deletion leaves: the 37 deletable keys undefined. Without the
// definitions from before, only those keys can be judged.
bool PoKasowaniu(const TabliceKlawiszy& odczytane, const ZmianaWKasie& zmiana) {
    return Rowne(odczytane, Oczekiwane(zmiana, odczytane));
}

} // namespace

TabliceKlawiszy Oczekiwane(const ZmianaWKasie& zmiana, const TabliceKlawiszy& odczytane) {
    if (!zmiana.kasowanie)
        return zmiana.wyslane;
    TabliceKlawiszy oczekiwane = zmiana.poprzednie ? *zmiana.poprzednie : odczytane;
    oczekiwane.WyczyscLiczone();
    return oczekiwane;
}

bool ZmianaMoglaDojsc(uint8_t kod) {
    // NAKs may follow an attempt whose reply came broken.
    return kod == KASDRV_TIMEOUT_ODBIERANIA || kod == KASDRV_ZLA_ODPOWIEDZ || kod == KASDRV_NAK;
}

std::optional<TabliceKlawiszy> DefinicjeZTekstu(const std::optional<std::string>& tekst) {
    if (!tekst)
        return std::nullopt;
    TabliceKlawiszy t;
    t.WyczyscDoOdczytu();
    if (!ParsujDefinicje(t, PodzielNaLinie(*tekst)).poprawny)
        return std::nullopt;
    return t;
}

StanPoZmianie OcenStan(const ZmianaWKasie& zmiana, const std::optional<std::string>& odczytane) {
    const auto definicje = DefinicjeZTekstu(odczytane);
    if (!definicje)
        return StanPoZmianie::Nieznany;
    const TabliceKlawiszy& wKasie = *definicje;
    const bool nowe =
        zmiana.kasowanie ? PoKasowaniu(wKasie, zmiana) : Rowne(wKasie, zmiana.wyslane);
    if (nowe)
        return StanPoZmianie::Nowe;
    if (!zmiana.poprzednie)
        return StanPoZmianie::NieNowe;
    return Rowne(wKasie, *zmiana.poprzednie) ? StanPoZmianie::Stare : StanPoZmianie::Inne;
}

std::optional<StanPoZmianie>
SprawdzPoZmianie(uint8_t kod, const ZmianaWKasie& zmiana,
                 const std::function<std::optional<std::string>()>& odczytaj) {
    if (!ZmianaMoglaDojsc(kod))
        return std::nullopt;
    return OcenStan(zmiana, odczytaj());
}

std::string OpisStanu(StanPoZmianie stan, bool kasowanie) {
    switch (stan) {
    case StanPoZmianie::Nowe:
        return kasowanie ? "Kasa nie potwierdziła kasowania, lecz odczytane z niej definicje "_w1250
                           "są skasowane: kasowanie się udało."_w1250
                         : "Kasa nie potwierdziła zapisu, lecz odczytane z niej definicje "_w1250
                           "są nowe: zapis się udał."_w1250;
    case StanPoZmianie::Stare:
        return kasowanie ? "Odczytane z kasy definicje są poprzednie: kasa nie skasowała "_w1250
                           "definicji."
                         : "Odczytane z kasy definicje są poprzednie: kasa nie przyjęła "_w1250
                           "zapisu.";
    case StanPoZmianie::NieNowe:
        return kasowanie ? "Odczytane z kasy definicje nie są skasowane: kasa nie skasowała "_w1250
                           "definicji."
                         : "Odczytane z kasy definicje nie są nowe: kasa nie przyjęła "_w1250
                           "zapisu.";
    case StanPoZmianie::Inne:
        return "Odczytane z kasy definicje nie są ani nowe, ani poprzednie: należy je "_w1250
               "sprawdzić."_w1250;
    case StanPoZmianie::Nieznany:
        break;
    }
    return "Nie udało się odczytać definicji z kasy: nie wiadomo, czy kasa "_w1250 +
           std::string(kasowanie ? "skasowała definicje."_w1250 : "przyjęła zapis."_w1250);
}

} // namespace orbaklaw
