#include "cli/TestKasy.h"

#include "cli/Json.h"
#include "cli/KodyWyjscia.h"
#include "cli/Komunikaty.h"
#include "cli/SesjaCli.h"
#include "comm/ModeleKas.h"
#include "comm/NumerKasy.h"
#include "comm/PowodNiedostepnosciPortu.h"
#include "comm/ProbaLacza.h"
#include "comm/WinSer.h"
#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw::cli {

namespace {

int Blad(std::ostream& err, const std::string& tekst, int kod) {
    err << PoczatekKomunikatu << DlaTerminala(tekst) << "\n";
    return kod;
}

int BladKodu(std::ostream& err, uint8_t kod) {
    return Blad(err, KomunikatKodu(kod), KodWyjsciaKasy(kod));
}

// What the register said: as text, or as one JSON document with --json.
void Wypisz(const WynikProbyLacza& w, bool json, std::ostream& out) {
    const std::string nazwa = NazwaModelu(w.model);
    const bool orba = KodModelu(w.model) == KodOrba;
    if (json) {
        out << "{\"model\": " << (nazwa.empty() ? "null" : JsonTekst(nazwa))
            << ", \"bajtModelu\": " << int(w.model) << ", \"wersja\": " << int(w.wersja)
            << ", \"numerKasy\": " << w.nrKasy << ", \"orba\": " << (orba ? "true" : "false")
            << "}\n";
        return;
    }
    out << "Model: " << (nazwa.empty() ? "nieznany" : nazwa) << " (0x" << std::hex << int(w.model)
        << std::dec << ")\n"
        << "Wersja programu kasy: " << int(w.wersja) << "\n"
        << "Numer kasy: " << w.numer << "\n";
}

// The test's outcome; an exit code. `niemozliwe` is the message of a port
// that can't be opened.
int Pokaz(const WynikProbyLacza& w, const SesjaCli& sesja, const std::string& niemozliwe, bool json,
          std::ostream& out, std::ostream& err) {
    switch (w.blad) {
    case BladProbyLacza::Brak:
        break;
    case BladProbyLacza::Port:
    case BladProbyLacza::Kanal:
        return Blad(err, niemozliwe, KodWyjsciaKasy(KASDRV_TIMEOUT_NADAWANIA));
    case BladProbyLacza::Identyfikacja:
    case BladProbyLacza::Numer:
        return BladKodu(err, w.kod);
    case BladProbyLacza::Biblioteka:
        return Blad(err, w.powod, KodOdmowaKasy);
    }
    Wypisz(w, json, out);
    if (KodModelu(w.model) != KodOrba)
        return Blad(err, InnaKasaNizOrba(), KodOdmowaKasy);
    // The commands would be refused by this register: say so now.
    if (const auto numer = NumerKasyJakoLiczba(sesja.NumerKasy());
        !numer || w.nrKasy != static_cast<int>(*numer))
        return BladKodu(err, KASDRV_INNA_KASA);
    return KodSukces;
}

// A channel the multiplexer did not take: when a register answers on the
// line without one, there is no multiplexer there, which the register
// commands (their library) tell as 22, another register under the
// association; the test says the same.
bool KasaZamiastMultipleksera(WinSer& port, const SesjaCli& sesja) {
    UstawieniaKomunikacji bezMultipleksera = sesja.Ustawienia();
    bezMultipleksera.multiplekser = 0;
    const WynikProbyLacza proba = ProbujLacze(port, bezMultipleksera);
    return proba.zidentyfikowana;
}

int Polacz(WinSer& port, const SesjaCli& sesja, bool json, std::ostream& out, std::ostream& err) {
    // As the window's "Połącz" says it: the device and why it can't be opened.
    std::string niemozliwe =
        NiemozliweZainicjowaniePortu() + std::string(" (") + sesja.Urzadzenie() + ")";
    const auto powod = [&] {
        const std::string p = PowodNiedostepnosciPortu(sesja.Urzadzenie());
        return p.empty() ? p : "\r" + p;
    };
    const WynikProbyLacza wynik = ProbujLacze(port, sesja.Ustawienia());
    if (wynik.blad == BladProbyLacza::Port)
        niemozliwe += powod();
    if (wynik.blad == BladProbyLacza::Kanal && KasaZamiastMultipleksera(port, sesja))
        return BladKodu(err, KASDRV_INNA_KASA);
    return Pokaz(wynik, sesja, niemozliwe, json, out, err);
}

} // namespace

int Test(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    OpcjeKasy opcje;
    std::vector<std::string> pliki;
    std::string blad;
    if (!ParsujOpcje(a, {.kasa = true, .json = true}, opcje, pliki, blad) || !pliki.empty()) {
        err << PoczatekKomunikatu << DlaTerminala(blad.empty() ? "test nie bierze plików" : blad)
            << OdeslanieDoPomocy;
        return KodBladUzycia;
    }
    SesjaCli sesja(opcje, err);
    if (int kod = sesja.Przygotuj(); kod != KodSukces)
        return kod;
    WinSer port;
    return Polacz(port, sesja, opcje.json, out, err);
}

} // namespace orbaklaw::cli
