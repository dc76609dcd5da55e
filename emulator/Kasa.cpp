#include "emulator/Kasa.h"

#include "drivers/protocol/Payload.h"
#include "files/PlikTekstowy.h"
#include "format/ListyWyboru.h"
#include "format/Towary.h"
#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw::emulator {

namespace {

constexpr int NajwiekszaFunkcja = 19;
constexpr int LimitPlatnosci = 8;

std::vector<uint8_t> Status(uint8_t s) {
    return {s};
}

std::vector<uint8_t> Werdykt(uint8_t w) {
    return {0, w};
}

} // namespace

Kasa::Kasa(TozsamoscKasy tozsamosc, StanKasy stan)
    : tozsamosc_(tozsamosc), stan_(std::move(stan)) {}

bool Kasa::Adresowana(const protocol::Frame& zadanie) const {
    if (zadanie.address == protocol::AnyAddress)
        return zadanie.command == protocol::cmd::Identify ||
               zadanie.command == protocol::cmd::Number ||
               zadanie.command == protocol::cmd::SelectChannel;
    return zadanie.address == tozsamosc_.numer;
}

std::vector<uint8_t> Kasa::Obsluz(const protocol::Frame& zadanie) {
    switch (zadanie.command) {
    case protocol::cmd::Identify:
        return {0, tozsamosc_.model, tozsamosc_.wersja, 0, 0};
    case protocol::cmd::Number: {
        auto odpowiedz = protocol::EncodeNumber(tozsamosc_.numer);
        odpowiedz.insert(odpowiedz.begin(), 0); // status: done
        return odpowiedz;
    }
    case protocol::cmd::ReadKeys: {
        std::vector<DefinicjaKlawisza> klawisze;
        for (const auto& k : KolejnoscKlawiszy()) {
            auto d = stan_.Klawisze().Rekord(k.miejsce);
            d.KodKlawisza = k.kod;
            klawisze.push_back(d);
        }
        auto dane = protocol::EncodeKeys(klawisze);
        dane.insert(dane.begin(), 0);
        return dane;
    }
    case protocol::cmd::WriteKeys:
        return Zapisz(zadanie.payload);
    case protocol::cmd::DeleteKeys:
        return Kasuj(zadanie.payload);
    case protocol::cmd::ReadGoods: {
        std::vector<std::string> nazwy;
        for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
            nazwy.push_back(stan_.Towary_().Nazwa852(n));
        auto dane = protocol::EncodeNames(nazwy);
        dane.insert(dane.begin(), 0);
        return dane;
    }
    case protocol::cmd::ReadPayments: {
        auto dane = protocol::EncodeNames({stan_.Platnosci().begin(), stan_.Platnosci().end()});
        dane.insert(dane.begin(), 0);
        return dane;
    }
    default:
        return Status(status::NiedostepnyRozkaz);
    }
}

uint8_t Kasa::SprawdzKlawisz(const DefinicjaKlawisza& d) const {
    const bool wersja1 = tozsamosc_.wersja < 2;
    switch (d.Rodzaj) {
    case Niezdefiniowany:
        return 0;
    case Towar:
        return d.NrTowaru >= 1 && d.NrTowaru <= NajwiekszyNumerTowaru ? 0
                                                                      : status::BlednyNumerTowaru;
    case Funkcja:
        if (d.Numer < 1 || d.Numer > NajwiekszaFunkcja)
            return status::ParametrPozaZakresem;
        return wersja1 && d.Numer == FunkcjaWylaczenieKasy ? status::NiedostepnyRozkaz : 0;
    case Platnosc:
        if (d.Numer > 3 && d.Numer != NumerEuro)
            return status::PlatnoscPozaZakresem;
        if (d.Kwota < 0)
            return status::ParametrPozaZakresem;
        return wersja1 && d.Numer == NumerEuro ? status::NiedostepnyRozkaz : 0;
    default:
        return status::ParametrPozaZakresem;
    }
}

std::vector<uint8_t> Kasa::Zapisz(const std::vector<uint8_t>& dane) {
    auto klawisze = protocol::DecodeKeys(dane);
    if (!klawisze)
        return Status(status::ParametrPozaZakresem);
    for (const auto& d : *klawisze)
        if (!MiejsceKodu(d.KodKlawisza))
            return Werdykt(KASDRV_KLAWISZ_NIEDEFINIOWALNY);
    TabliceKlawiszy nowe;
    for (const auto& d : *klawisze) {
        if (uint8_t s = SprawdzKlawisz(d))
            return Status(s);
        *nowe.SlotKodu(d.KodKlawisza) = PolaRodzaju(d);
    }
    if (nowe.LiczbaPlatnosciLiczonych() > LimitPlatnosci)
        return Werdykt(KASDRV_BRAK_MIEJSCA_NA_PLATNOSCI);
    if (staryKlawisz_ && !klawisze->empty()) {
        TabliceKlawiszy stare = stan_.Klawisze();
        if (const auto* stary = stare.SlotKodu(klawisze->front().KodKlawisza))
            *nowe.SlotKodu(klawisze->front().KodKlawisza) = *stary;
    }
    if (!stan_.UstawKlawisze(nowe))
        return Status(status::ParametrPozaZakresem);
    return Werdykt(0);
}

std::vector<uint8_t> Kasa::Kasuj(const std::vector<uint8_t>& dane) {
    auto kody = protocol::DecodeCodes(dane);
    if (!kody)
        return Status(status::ParametrPozaZakresem);
    TabliceKlawiszy nowe = stan_.Klawisze();
    for (uint16_t kod : *kody) {
        auto miejsce = MiejsceKodu(kod);
        if (!miejsce || !MiejsceLiczone(*miejsce))
            return Werdykt(KASDRV_KLAWISZ_NIEDEFINIOWALNY);
        nowe.Rekord(*miejsce) = PolaRodzaju(DefinicjaKlawisza{kod, Niezdefiniowany});
    }
    if (!stan_.UstawKlawisze(nowe))
        return Status(status::ParametrPozaZakresem);
    return Werdykt(0);
}

} // namespace orbaklaw::emulator
