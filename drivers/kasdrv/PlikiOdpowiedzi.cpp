#include "drivers/kasdrv/PlikiOdpowiedzi.h"

#include "drivers/protocol/Payload.h"
#include "files/PlikTekstowy.h"
#include "format/ListyWyboru.h"
#include "format/PlikDefinicji.h"
#include "format/TabliceKlawiszy.h"
#include "format/Towary.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace orbaklaw::kasdrv {

namespace {

std::string Numer2(int numer) {
    char tekst[8];
    std::snprintf(tekst, sizeof tekst, "%02d", numer % 100);
    return tekst;
}

// A name that can stand in a tab-separated line.
bool CzystaNazwa(const std::string& nazwa) {
    return std::none_of(nazwa.begin(), nazwa.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool ListaNazw(const std::vector<uint8_t>& dane, size_t najwiecej, int numer, bool pomijajPuste,
               std::string& tekst) {
    auto nazwy = protocol::DecodeNames(dane);
    if (!nazwy || nazwy->size() > najwiecej ||
        !std::all_of(nazwy->begin(), nazwy->end(), CzystaNazwa))
        return false;
    std::vector<std::string> linie{"#" + Numer2(numer), "#", "#"};
    for (size_t i = 0; i < nazwy->size(); ++i)
        if (!pomijajPuste || !(*nazwy)[i].empty())
            linie.push_back("$" + std::to_string(i + 1) + "\t" + (*nazwy)[i]);
    tekst = ZlaczLinie(linie);
    return true;
}

constexpr int NajwiekszaFunkcja = 19;
constexpr int NajwiekszaPlatnoscZwykla = 3;
constexpr int64_t NajwiekszaKwota = INT32_MAX;

// What a register can hold in one key; anything else is not a sound reply.
bool MozliwyKlawisz(const DefinicjaKlawisza& k) {
    switch (k.Rodzaj) {
    case Niezdefiniowany:
        return true;
    case Towar:
        return k.NrTowaru >= 1 && k.NrTowaru <= NajwiekszyNumerTowaru;
    case Funkcja:
        return k.Numer >= 1 && k.Numer <= NajwiekszaFunkcja;
    case Platnosc:
        return (k.Numer <= NajwiekszaPlatnoscZwykla || k.Numer == NumerEuro) && k.Kwota >= 0 &&
               k.Kwota <= NajwiekszaKwota;
    default:
        return false;
    }
}

} // namespace

bool TekstDefinicji(const std::vector<uint8_t>& dane, int numer, std::string& tekst) {
    auto klawisze = protocol::DecodeKeys(dane);
    if (!klawisze)
        return false;
    TabliceKlawiszy tablice;
    for (const auto& k : *klawisze) {
        DefinicjaKlawisza* slot = tablice.SlotKodu(k.KodKlawisza);
        if (!slot || !MozliwyKlawisz(k))
            return false;
        *slot = k;
    }
    std::string wynik = TekstPlikuDefinicji(tablice, Numer2(numer));
    // The file must be one the program reads back: its own reader has the last word.
    TabliceKlawiszy sprawdzenie;
    if (!ParsujDefinicje(sprawdzenie, PodzielNaLinie(wynik)).poprawny)
        return false;
    tekst = std::move(wynik);
    return true;
}

bool TekstTowarow(const std::vector<uint8_t>& dane, int numer, std::string& tekst) {
    return ListaNazw(dane, NajwiekszyNumerTowaru, numer, true, tekst);
}

bool TekstPlatnosci(const std::vector<uint8_t>& dane, int numer, std::string& tekst) {
    return ListaNazw(dane, 3, numer, false, tekst);
}

} // namespace orbaklaw::kasdrv
