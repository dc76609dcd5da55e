#include "cli/TestKasy.h"

#include "cli/Polecenia.h"
#include "cli/PoleceniaKasy.h"
#include "cli/Utf8.h"
#include "comm/KomunikatyBledow.h"
#include "comm/Konfiguracja.h"
#include "comm/WinSer.h"
#include "transfer/PlikTekstowy.h"

namespace orbaklaw::cli {

namespace {

constexpr uint8_t KodNiepoprawnejOdpowiedzi = 23;
constexpr uint8_t KodInnyNumerKasy = 22;

int Blad(std::ostream& err, const std::string& tekst1250, int kod) {
    err << "orbaklaw-cli: " << Utf8Z1250(tekst1250) << "\n";
    return kod;
}

int BladKodu(std::ostream& err, uint8_t kod) {
    return Blad(err, "Kod " + std::to_string(kod) + ": " + KomunikatBledu(kod), KodOdmowaKasy);
}

// The register number and settings of KONFIG.TXT's first line; none after a message.
std::optional<WpisKonfiguracji> Ustawienia(std::ostream& err) {
    const auto plik = ZnajdzPlik("konfig.txt");
    std::error_code ec;
    if (!std::filesystem::exists(plik, ec)) {
        Blad(err, "Nale\277y ustawi\346 parametry komunikacji (brak pliku KONFIG.TXT)",
             KodBladPliku);
        return std::nullopt;
    }
    try {
        const auto linie = CzytajLinie(plik);
        const auto wynik = ParsujLinieKonfiguracji(linie.empty() ? "" : linie[0]);
        if (wynik.kod == 0)
            return wynik.wpis;
        Blad(err, "Kod " + std::to_string(wynik.kod) + ": " + KomunikatBledu(wynik.kod),
             KodBladPliku);
    } catch (const BladWejsciaWyjscia& e) {
        Blad(err, e.what(), KodBladPliku);
    }
    return std::nullopt;
}

bool Cyfra(uint8_t b) {
    return b >= '0' && b <= '9';
}

// Port open (and channel chosen): both exchanges. The port is closed by the caller.
int Identyfikuj(WinSer& port, int numerKasy, std::ostream& out, std::ostream& err) {
    if (uint8_t kod = port.RSSequence(RozkazIdentyfikacji, 4); kod != 0)
        return BladKodu(err, kod);
    const uint8_t model = port.Odpowiedz()[0];
    const uint8_t wersja = port.Odpowiedz()[1];
    if (uint8_t kod = port.RSSequence(RozkazNumeru, 3); kod != 0)
        return BladKodu(err, kod);
    const auto& n = port.Odpowiedz();
    if (!Cyfra(n[0]) || !Cyfra(n[1]))
        return BladKodu(err, KodNiepoprawnejOdpowiedzi);
    const std::string nazwa = NazwaModelu(model);
    out << "Model: " << (nazwa.empty() ? "nieznany" : nazwa) << " (0x" << std::hex << int(model)
        << std::dec << ")\n"
        << "Wersja programu kasy: " << int(wersja) << "\n"
        << "Numer kasy: " << char(n[0]) << char(n[1]) << "\n";
    if (nazwa != "ORBA") // "Podłączone urządzenie nie jest kasą VARKO ORBA"
        return Blad(err, "Pod\263\271czone urz\271dzenie nie jest kas\271 VARKO ORBA",
                    KodOdmowaKasy);
    // The commands would be refused by this register: say so now.
    if ((n[0] - '0') * 10 + (n[1] - '0') != numerKasy)
        return BladKodu(err, KodInnyNumerKasy);
    return KodSukces;
}

int Polacz(WinSer& port, const WpisKonfiguracji& wpis, std::ostream& out, std::ostream& err) {
    const UstawieniaKomunikacji& u = wpis.ustawienia;
    port.UnInitializePort();
    if (port.InitializePort(static_cast<uint8_t>(u.port), static_cast<uint16_t>(u.szybkosc),
                            static_cast<uint16_t>(u.timeout)) != 0)
        // "Niemożliwe zainicjowanie portu szeregowego"
        return Blad(err, "Niemo\277liwe zainicjowanie portu szeregowego", KodOdmowaKasy);
    int kod = KodSukces;
    if (u.multiplekser > 0 && !port.UstawKanal(static_cast<uint8_t>(u.kanal)))
        kod = Blad(err, "Niemo\277liwe zainicjowanie portu szeregowego", KodOdmowaKasy);
    else
        kod = Identyfikuj(port, wpis.numerKasy, out, err);
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
    if (!a.empty()) {
        err << "orbaklaw-cli: test nie bierze argumentów (orbaklaw-cli --help)\n";
        return KodBladUzycia;
    }
    const auto ustawienia = Ustawienia(err);
    if (!ustawienia)
        return KodBladPliku;
    try {
        WinSer port;
        return Polacz(port, *ustawienia, out, err);
    } catch (const BladBiblioteki& e) {
        return Blad(err, e.what(), KodOdmowaKasy);
    }
}

} // namespace orbaklaw::cli
