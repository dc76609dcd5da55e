#include "cli/TestKasy.h"

#include "cli/Json.h"
#include "cli/KodyWyjscia.h"
#include "cli/Komunikaty.h"
#include "cli/SesjaKasy.h"
#include "comm/WinSer.h"
#include "drivers/kasdrv/kasdrv_kody.h"
#include "transfer/NumerKasy.h"

namespace orbaklaw::cli {

namespace {

int Blad(std::ostream& err, const std::string& tekst, int kod) {
    err << "orbaklaw-cli: " << DlaTerminala(tekst) << "\n";
    return kod;
}

int BladKodu(std::ostream& err, uint8_t kod) {
    return Blad(err, KomunikatKodu(kod), KodWyjsciaKasy(kod));
}

bool Cyfra(uint8_t b) {
    return b >= '0' && b <= '9';
}

// Port open (and channel chosen): both exchanges. The port is closed by the caller.
// What the register said: as text, or as one JSON document with --json.
void Wypisz(uint8_t model, uint8_t wersja, const std::string& numer, bool json, std::ostream& out) {
    const std::string nazwa = NazwaModelu(model);
    if (json) {
        const int numerKasy = (numer[0] - '0') * 10 + (numer[1] - '0');
        out << "{\"model\": " << (nazwa.empty() ? "null" : JsonTekst(nazwa))
            << ", \"bajtModelu\": " << int(model) << ", \"wersja\": " << int(wersja)
            << ", \"numerKasy\": " << numerKasy
            << ", \"orba\": " << (nazwa == "ORBA" ? "true" : "false") << "}\n";
        return;
    }
    out << "Model: " << (nazwa.empty() ? "nieznany" : nazwa) << " (0x" << std::hex << int(model)
        << std::dec << ")\n"
        << "Wersja programu kasy: " << int(wersja) << "\n"
        << "Numer kasy: " << numer << "\n";
}

int Identyfikuj(WinSer& port, int numerKasy, bool json, std::ostream& out, std::ostream& err) {
    if (uint8_t kod = port.RSSequence(RozkazIdentyfikacji, 4); kod != 0)
        return BladKodu(err, kod);
    const uint8_t model = port.Odpowiedz()[0];
    const uint8_t wersja = port.Odpowiedz()[1];
    if (uint8_t kod = port.RSSequence(RozkazNumeru, 3); kod != 0)
        return BladKodu(err, kod);
    const auto& n = port.Odpowiedz();
    if (!Cyfra(n[0]) || !Cyfra(n[1]))
        return BladKodu(err, KASDRV_ZLA_ODPOWIEDZ);
    Wypisz(model, wersja, std::string{char(n[0]), char(n[1])}, json, out);
    if (NazwaModelu(model) != "ORBA") // "Podłączone urządzenie nie jest kasą VARKO ORBA"
        return Blad(err, "Pod\263\271czone urz\271dzenie nie jest kas\271 VARKO ORBA",
                    KodOdmowaKasy);
    // The commands would be refused by this register: say so now.
    if ((n[0] - '0') * 10 + (n[1] - '0') != numerKasy)
        return BladKodu(err, KASDRV_INNA_KASA);
    return KodSukces;
}

int Polacz(WinSer& port, const SesjaKasy& sesja, bool json, std::ostream& out, std::ostream& err) {
    const UstawieniaKomunikacji& u = sesja.Ustawienia();
    // "Niemożliwe zainicjowanie portu szeregowego"
    const std::string niemozliwe =
        "Niemo\277liwe zainicjowanie portu szeregowego (" + sesja.Urzadzenie() + ")";
    port.UnInitializePort();
    if (port.InitializePort(static_cast<uint8_t>(u.port), static_cast<uint16_t>(u.szybkosc),
                            static_cast<uint16_t>(u.timeout)) != 0)
        return Blad(err, niemozliwe, KodWyjsciaKasy(KASDRV_TIMEOUT_NADAWANIA));
    int kod = KodSukces;
    if (u.multiplekser > 0 && !port.UstawKanal(static_cast<uint8_t>(u.kanal)))
        kod = Blad(err, niemozliwe, KodWyjsciaKasy(KASDRV_TIMEOUT_NADAWANIA));
    else
        kod = Identyfikuj(port, static_cast<int>(NumerKasyJakoLiczba(sesja.NumerKasy())), json, out,
                          err);
    port.UnInitializePort();
    return kod;
}

} // namespace

std::string NazwaModelu(unsigned char bajt) {
    switch (bajt) {
    case 0x68:
        return "PERSA 20479";
    case 0x67:
        return "PERSA 10239";
    case 0x65:
        return "TUMO 4095";
    case 0x64:
        return "TUMO 2047";
    case 0x66:
        return "SIRK";
    case 0x6B:
    case 0x84:
    case 0x85:
        return "ORBA";
    default:
        return {};
    }
}

int Test(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    OpcjeKasy opcje;
    std::vector<std::string> pliki;
    std::string blad;
    if (!ParsujOpcje(a, {.kasa = true, .json = true}, opcje, pliki, blad) || !pliki.empty()) {
        err << "orbaklaw-cli: " << DlaTerminala(blad.empty() ? "test nie bierze plików" : blad)
            << " (orbaklaw-cli --help)\n";
        return KodBladUzycia;
    }
    SesjaKasy sesja(opcje, err);
    if (int kod = sesja.Przygotuj(); kod != KodSukces)
        return kod;
    try {
        WinSer port;
        return Polacz(port, sesja, opcje.json, out, err);
    } catch (const BladBiblioteki& e) {
        return Blad(err, e.what(), KodOdmowaKasy);
    }
}

} // namespace orbaklaw::cli
