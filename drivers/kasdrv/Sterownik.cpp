#include "drivers/kasdrv/Sterownik.h"

#include "comm/KomunikatyBledow.h"
#include "drivers/kasdrv/KonfiguracjaKasy.h"
#include "drivers/kasdrv/NazwyPlikow.h"
#include "drivers/kasdrv/PlikWejsciowy.h"
#include "drivers/kasdrv/PlikiOdpowiedzi.h"
#include "drivers/kasdrv/Raport.h"
#include "drivers/protocol/Exchange.h"
#include "drivers/protocol/Payload.h"
#include "drivers/protocol/SerialLink.h"
#include "transfer/PlikTekstowy.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace orbaklaw::kasdrv {

namespace fs = std::filesystem;

namespace {

constexpr uint8_t KodZastrzezoneWejscieKonfig = 1;
constexpr uint8_t KodZastrzezoneWejscieRaport = 2;
constexpr uint8_t KodBrakWyjscia = 3;
constexpr uint8_t KodZastrzezoneWyjscie = 4;
constexpr uint8_t KodTeSameNazwy = 5;
constexpr uint8_t KodBrakWejscia = 6;
constexpr uint8_t KodBrakWyjsciaOtwarcie = 8;
constexpr uint8_t KodZapisWyjscia = 17;
constexpr int MsNaSekunde = 1000;

// Whether a file can be created beside the output before the register is asked.
bool MoznaUtworzyc(const std::string& wyjscie) {
    const fs::path cel(PlikNaDysku(wyjscie));
    const fs::path proba = cel.parent_path() / ("." + cel.filename().string() + "." +
                                                std::to_string(getpid()) + ".probe");
    std::FILE* f = std::fopen(proba.c_str(), "wb");
    if (!f)
        return false;
    std::fclose(f);
    std::remove(proba.c_str());
    return true;
}

// The link part of a configuration line, for the report: "com1:9600:mux0:1".
std::string Lacze(const UstawieniaKomunikacji& u) {
    const std::string linia = LiniaKonfiguracji("", u);
    const size_t poczatek = linia.find('\t') + 1;
    return linia.substr(poczatek, linia.find('\t', poczatek) - poczatek);
}

std::unique_ptr<protocol::Link> OtworzPort(const std::string& urzadzenie, int szybkosc) {
    return protocol::SerialLink::Open(urzadzenie, szybkosc);
}

// The register's verdict on a set of keys: 0, 228 or 229; anything else is
// not a reply to a write or a deletion.
uint8_t Werdykt(const std::vector<uint8_t>& dane) {
    if (dane.size() != 1)
        return protocol::KodZlaOdpowiedz;
    const uint8_t w = dane[0];
    return w == 0 || w == KodKlawiszNiedefiniowalny || w == KodBrakMiejscaNaPlatnosci
               ? w
               : protocol::KodZlaOdpowiedz;
}

} // namespace

Sterownik::Sterownik(OtwieranieLacza otworz)
    : otworz_(otworz ? std::move(otworz) : OtwieranieLacza(OtworzPort)) {}

Sterownik::Pliki Sterownik::Przygotuj(const char* wejscie, const char* wyjscie, bool maWyjscie) {
    auto we = NazwaZBufora(wejscie);
    if (we && NazwaZastrzezona(*we, NazwaPlikuKonfiguracji))
        return {KodZastrzezoneWejscieKonfig, {}, {}};
    if (we && NazwaZastrzezona(*we, NazwaPlikuRaportu))
        return {KodZastrzezoneWejscieRaport, {}, {}};
    Pliki p;
    if (maWyjscie) {
        auto wy = NazwaZBufora(wyjscie);
        if (!wy)
            return {KodBrakWyjsciaOtwarcie, {}, {}};
        if (wy->empty())
            return {KodBrakWyjscia, {}, {}};
        if (NazwaZastrzezona(*wy, NazwaPlikuKonfiguracji) ||
            NazwaZastrzezona(*wy, NazwaPlikuRaportu))
            return {KodZastrzezoneWyjscie, {}, {}};
        if (we && TenSamPlik(*we, *wy))
            return {KodTeSameNazwy, {}, {}};
        p.wyjscie = *wy;
    }
    if (!we || we->empty())
        return {KodBrakWejscia, {}, {}};
    try {
        // A request file or a definition file: the larger of the two bounds.
        p.linie = CzytajLinie(PlikNaDysku(*we), GranicePlikuDefinicji);
    } catch (const BladWejsciaWyjscia&) {
        return {KodBrakWejscia, {}, {}};
    }
    return p;
}

Sterownik::Wynik Sterownik::Wymien(const char* funkcja, int numer, uint8_t rozkaz,
                                   const std::vector<uint8_t>& dane, const std::string* wyjscie) {
    const auto konfiguracja = KonfiguracjaKasy(numer);
    if (konfiguracja.kod != 0)
        return {konfiguracja.kod, {}};
    if (wyjscie && !MoznaUtworzyc(*wyjscie))
        return {KodBrakWyjsciaOtwarcie, {}};
    Raport raport;
    if (!raport.Otworz())
        return {KodBrakRaportu, {}};

    const auto& u = konfiguracja.wpis.ustawienia;
    protocol::ExchangeOptions opcje;
    opcje.timeoutMs = u.timeout * MsNaSekunde;
    protocol::Reply odpowiedz{protocol::KodTimeoutNadawania, 0, {}};
    if (auto lacze = otworz_(protocol::PortDevice(u.port), u.szybkosc)) {
        odpowiedz.code = 0;
        if (u.multiplekser != 0) {
            protocol::ExchangeOptions mux = opcje;
            mux.checkAddress = false;
            odpowiedz = protocol::Exchange(*lacze,
                                           {protocol::AnyAddress,
                                            protocol::cmd::SelectChannel,
                                            {static_cast<uint8_t>(u.kanal)},
                                            ++sekwencja_},
                                           mux);
        }
        if (odpowiedz.code == 0)
            odpowiedz = protocol::Exchange(
                *lacze, {static_cast<uint8_t>(numer), rozkaz, dane, ++sekwencja_}, opcje);
    }
    const bool zapisany = raport.Dopisz(funkcja, numer, Lacze(u), odpowiedz.code);
    if (odpowiedz.code == 0 && !zapisany)
        return {KodZapisRaportu, {}};
    return {odpowiedz.code, std::move(odpowiedz.data)};
}

uint8_t Sterownik::Odczyt(
    const char* funkcja, const char* wejscie, const char* wyjscie, uint8_t rozkaz,
    const std::function<bool(const std::vector<uint8_t>&, int, std::string&)>& tekst) {
    std::lock_guard lock(mutex_);
    auto pliki = Przygotuj(wejscie, wyjscie, true);
    if (pliki.kod != 0)
        return pliki.kod;
    const auto naglowek = CzytajNaglowek(pliki.linie);
    if (naglowek.kod != 0)
        return naglowek.kod;
    auto wynik = Wymien(funkcja, naglowek.numer, rozkaz, {}, &pliki.wyjscie);
    if (wynik.kod != 0)
        return wynik.kod;
    std::string tresc;
    if (!tekst(wynik.dane, naglowek.numer, tresc))
        return protocol::KodZlaOdpowiedz;
    try {
        ZapiszAtomowo(PlikNaDysku(pliki.wyjscie), tresc);
    } catch (const BladWejsciaWyjscia&) {
        return KodZapisWyjscia;
    }
    return 0;
}

uint8_t Sterownik::ODefKlaw(const char* wejscie, const char* wyjscie) {
    return Odczyt("__ODefKlaw", wejscie, wyjscie, protocol::cmd::ReadKeys, TekstDefinicji);
}

uint8_t Sterownik::TowarMax(const char* wejscie, const char* wyjscie) {
    return Odczyt("__TowarMax", wejscie, wyjscie, protocol::cmd::ReadGoods, TekstTowarow);
}

uint8_t Sterownik::OPlat(const char* wejscie, const char* wyjscie) {
    return Odczyt("__OPlat", wejscie, wyjscie, protocol::cmd::ReadPayments, TekstPlatnosci);
}

uint8_t Sterownik::ZDefKlaw(const char* plik) {
    std::lock_guard lock(mutex_);
    auto pliki = Przygotuj(plik, nullptr, false);
    if (pliki.kod != 0)
        return pliki.kod;
    const auto definicje = CzytajDefinicje(pliki.linie);
    if (definicje.kod != 0)
        return definicje.kod;
    auto wynik = Wymien("__ZDefKlaw", definicje.numer, protocol::cmd::WriteKeys,
                        protocol::EncodeKeys(definicje.klawisze), nullptr);
    return wynik.kod == 0 ? Werdykt(wynik.dane) : wynik.kod;
}

uint8_t Sterownik::KDefKlaw(const char* plik) {
    std::lock_guard lock(mutex_);
    auto pliki = Przygotuj(plik, nullptr, false);
    if (pliki.kod != 0)
        return pliki.kod;
    const auto kasowanie = CzytajKasowanie(pliki.linie);
    if (kasowanie.kod != 0)
        return kasowanie.kod;
    auto wynik = Wymien("__KDefKlaw", kasowanie.numer, protocol::cmd::DeleteKeys,
                        protocol::EncodeCodes(kasowanie.kody), nullptr);
    return wynik.kod == 0 ? Werdykt(wynik.dane) : wynik.kod;
}

} // namespace orbaklaw::kasdrv
