#include "drivers/kasdrv/Sterownik.h"
#include "files/StronyKodowe.h"

#include "drivers/kasdrv/NazwyPlikowBiblioteki.h"
#include "drivers/kasdrv/PlikiOdpowiedzi.h"
#include "drivers/kasdrv/PlikiWejsciowe.h"
#include "drivers/kasdrv/Raport.h"
#include "drivers/protocol/Payload.h"
#include "drivers/protocol/SerialLink.h"
#include "files/PlikTekstowy.h"
#include "files/PlikZastrzezony.h"
#include "format/KomunikatyBledow.h"
#include "format/Konfiguracja.h"
#include "format/UrzadzeniePortu.h"
#include "orbaklaw/kasdrv_kody.h"
#include "platform/KodowanieSciezek.h"
#include "platform/Proces.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace orbaklaw::kasdrv {

namespace fs = std::filesystem;

namespace {

constexpr int MsNaSekunde = 1000;

// Reads KONFIG.TXT (found whatever its case) in the current directory. Every
// non-empty line must be sound; the result is that of the line whose number
// is `numer` (14 when there is none).
WynikKonfiguracji KonfiguracjaKasy(int numer) {
    return OcenPlikKonfiguracji(ZnajdzPlik(NazwaPlikuKonfiguracji), numer);
}

// Whether a file can be created beside the output before the register is asked.
bool MoznaUtworzyc(const std::string& wyjscie) {
    const fs::path cel = platform::SciezkaZBajtow(PlikNaDysku(wyjscie));
    const fs::path proba =
        cel.parent_path() /
        platform::SciezkaZBajtow("." + platform::BajtySciezki(cel.filename()) + "." +
                                 std::to_string(platform::NumerProcesu()) + ".probe");
    if (!std::ofstream(proba, std::ios::binary))
        return false;
    std::error_code ec;
    fs::remove(proba, ec);
    return true;
}

// The link part of a configuration line, for the report: "com1:9600:mux0:1".
std::string Lacze(const UstawieniaKomunikacji& u) {
    const std::string linia = LiniaKonfiguracji("", u);
    const size_t poczatek = linia.find('\t') + 1;
    return linia.substr(poczatek, linia.find('\t', poczatek) - poczatek);
}

std::unique_ptr<protocol::Link> OtworzPort(const std::string& urzadzenie, int szybkosc,
                                           std::string& powod) {
    return protocol::SerialLink::Open(urzadzenie, szybkosc, &powod);
}

// Nie można dopisać wyniku do pliku raportu RAPORT.TXT.
std::string NieDopisano() {
    return "Nie można dopisać wyniku do pliku raportu "_w1250 + std::string(NazwaPlikuRaportu) +
           ".";
}

// The register's verdict on a set of keys: 0, 228 or 229; anything else is
// not a reply to a write or a deletion.
uint8_t WerdyktKasy(const std::vector<uint8_t>& dane) {
    if (dane.size() != 1)
        return KASDRV_ZLA_ODPOWIEDZ;
    const uint8_t w = dane[0];
    return w == 0 || w == KASDRV_KLAWISZ_NIEDEFINIOWALNY || w == KASDRV_BRAK_MIEJSCA_NA_PLATNOSCI
               ? w
               : static_cast<uint8_t>(KASDRV_ZLA_ODPOWIEDZ);
}

// A refusal by the register itself, as opposed to a fault of the line.
bool Odmowa(uint8_t kod) {
    return kod != 0 && kod != KASDRV_TIMEOUT_NADAWANIA && kod != KASDRV_TIMEOUT_ODBIERANIA &&
           kod != KASDRV_ZLA_ODPOWIEDZ && kod != KASDRV_NAK;
}

// Nothing goes out to the register before the register on the line has
// said that it is the one asked for. A register acts only on frames for its
// own number and leaves the others unanswered, so without this a wrong
// number would look like a register that is not there (21) instead of
// another one being there (22).
protocol::Reply TaKasa(protocol::Link& lacze, int numer, protocol::NumeryWymian& numery,
                       const protocol::ExchangeOptions& opcje) {
    auto kto = protocol::Exchange(
        lacze, {protocol::AnyAddress, protocol::cmd::Number, {}, numery.Nastepny()}, opcje);
    if (kto.code != 0)
        return kto;
    const auto jego = protocol::DecodeNumber(kto.data);
    if (!jego)
        return {KASDRV_ZLA_ODPOWIEDZ, kto.address, {}};
    if (*jego != numer || kto.address != numer)
        return {KASDRV_INNA_KASA, kto.address, {}};
    return kto;
}

// Marks a call as running for the progress function while it lasts.
class TrwajacePolaczenie {
public:
    explicit TrwajacePolaczenie(protocol::Postep& postep) : postep_(postep) { postep_.Zacznij(); }
    ~TrwajacePolaczenie() { postep_.Zakoncz(); }
    TrwajacePolaczenie(const TrwajacePolaczenie&) = delete;
    TrwajacePolaczenie& operator=(const TrwajacePolaczenie&) = delete;

private:
    protocol::Postep& postep_;
};

} // namespace

Sterownik::Sterownik(OtwieranieLacza otworz)
    : otworz_(otworz ? std::move(otworz) : OtwieranieLacza(OtworzPort)) {}

bool Sterownik::Postep(uint32_t& zrobione, uint32_t& oczekiwane) const {
    return postep_.Odczytaj(zrobione, oczekiwane);
}

std::string Sterownik::OpisBledu() const {
    std::lock_guard lock(opisMutex_);
    return opis_;
}

void Sterownik::UstawOpis(const std::string& opis) {
    std::lock_guard lock(opisMutex_);
    opis_ = opis;
}

Sterownik::Pliki Sterownik::Przygotuj(const char* wejscie, const char* wyjscie, bool maWyjscie) {
    auto we = NazwaZBufora(wejscie);
    if (we && NazwaZastrzezona(*we, NazwaPlikuKonfiguracji))
        return {KASDRV_WEJSCIE_KONFIG, {}, {}};
    if (we && NazwaZastrzezona(*we, NazwaPlikuRaportu))
        return {KASDRV_WEJSCIE_RAPORT, {}, {}};
    Pliki p;
    if (maWyjscie) {
        auto wy = NazwaZBufora(wyjscie);
        if (!wy)
            return {KASDRV_WYJSCIE_NIEDOSTEPNE, {}, {}};
        if (wy->empty())
            return {KASDRV_BRAK_WYJSCIA, {}, {}};
        if (NazwaZastrzezona(*wy, NazwaPlikuKonfiguracji) ||
            NazwaZastrzezona(*wy, NazwaPlikuRaportu) || PlikZastrzezony(PlikNaDysku(*wy)))
            return {KASDRV_WYJSCIE_ZASTRZEZONE, {}, {}};
        if (we && TenSamPlik(*we, *wy))
            return {KASDRV_TE_SAME_NAZWY, {}, {}};
        p.wyjscie = *wy;
    }
    if (!we || we->empty())
        return {KASDRV_BRAK_WEJSCIA, {}, {}};
    // A request file or a definition file: the larger of the two bounds.
    // A file beyond them is there but can't hold a valid request.
    auto linie = CzytajLinie(PlikNaDysku(*we), GranicePlikuDefinicji);
    if (!linie && linie.Blad().Odrzucony())
        return {KASDRV_ZLE_DANE_WEJSCIA, {}, {}};
    if (!linie)
        return {KASDRV_BRAK_WEJSCIA, {}, {}};
    p.linie = *std::move(linie);
    return p;
}

protocol::Reply Sterownik::Rozmowa(protocol::Link& lacze, const UstawieniaKomunikacji& u, int numer,
                                   uint8_t rozkaz, const std::vector<uint8_t>& dane) {
    protocol::ExchangeOptions kazdy = opcje_;
    kazdy.checkAddress = false;
    if (u.multiplekser != 0) {
        // Only the multiplexer answers the channel choice, as address 0. A
        // register answering it (with its own number, or refusing a command
        // it lacks) means there is no multiplexer on the line: that is the
        // advice of 22, check the communication parameters.
        auto kanal = protocol::Exchange(lacze,
                                        {protocol::AnyAddress,
                                         protocol::cmd::SelectChannel,
                                         {static_cast<uint8_t>(u.kanal)},
                                         numery_.Nastepny()},
                                        kazdy);
        if (Odmowa(kanal.code) || (kanal.code == 0 && kanal.address != protocol::AnyAddress))
            return {KASDRV_INNA_KASA, kanal.address, {}};
        if (kanal.code != 0)
            return kanal;
    }
    if (auto kto = TaKasa(lacze, numer, numery_, kazdy); kto.code != 0)
        return kto;
    return protocol::Exchange(
        lacze, {static_cast<uint8_t>(numer), rozkaz, dane, numery_.Nastepny()}, opcje_);
}

uint8_t Sterownik::Wymien(const char* funkcja, int numer, uint8_t rozkaz,
                          const std::vector<uint8_t>& dane, const std::string* wyjscie,
                          const Koniec& koniec) {
    const auto konfiguracja = KonfiguracjaKasy(numer);
    if (konfiguracja.kod != 0)
        return konfiguracja.kod;
    if (wyjscie && !MoznaUtworzyc(*wyjscie))
        return KASDRV_WYJSCIE_NIEDOSTEPNE;
    Raport raport;
    if (raport.Otworz() == Raport::Otwarcie::Odrzucony)
        return KASDRV_BRAK_RAPORTU;

    const auto& u = konfiguracja.wpis.ustawienia;
    opcje_ = protocol::ExchangeOptions{};
    opcje_.timeoutMs = u.timeout * MsNaSekunde;
    opcje_.speed = u.szybkosc;
    opcje_.postep = &postep_;
    std::string powod;
    uint8_t kod = KASDRV_TIMEOUT_NADAWANIA;
    // An assignment file the user made but that can't be used names its
    // fault; the port's default device is never taken in its place.
    const auto port = UrzadzenieCom(u.port);
    // The begin line is a trace of an exchange that may be cut off; the end
    // line below is the one that tells how it went.
    const bool poczatek = raport.Poczatek(funkcja, numer, Lacze(u));
    if (port.blad)
        powod = BlednePrzypisaniePortow() + port.blad->Komunikat();
    else if (auto lacze = otworz_(port.urzadzenie, u.szybkosc, powod)) {
        const auto odpowiedz = Rozmowa(*lacze, u, numer, rozkaz, dane);
        kod = odpowiedz.code == 0 ? koniec(odpowiedz.data) : odpowiedz.code;
    }
    UstawOpis(powod);
    if (raport.Dopisz(funkcja, numer, Lacze(u), kod, powod) && poczatek)
        return kod;
    // What the register said (and did) is the result whatever happens to
    // the report: the line that can't be written is told beside it.
    UstawOpis(powod.empty() ? NieDopisano() : powod + " " + NieDopisano());
    return kod;
}

uint8_t Sterownik::Odczyt(
    const char* funkcja, const char* wejscie, const char* wyjscie, uint8_t rozkaz,
    const std::function<bool(const std::vector<uint8_t>&, int, std::string&)>& tekst) {
    std::lock_guard lock(mutex_);
    TrwajacePolaczenie trwa(postep_);
    UstawOpis({});
    auto pliki = Przygotuj(wejscie, wyjscie, true);
    if (pliki.kod != 0)
        return pliki.kod;
    const auto naglowek = CzytajNaglowek(pliki.linie);
    if (naglowek.kod != 0)
        return naglowek.kod;
    return Wymien(funkcja, naglowek.numer, rozkaz, {}, &pliki.wyjscie,
                  [&](const std::vector<uint8_t>& dane) -> uint8_t {
                      std::string tresc;
                      if (!tekst(dane, naglowek.numer, tresc))
                          return KASDRV_ZLA_ODPOWIEDZ;
                      if (!ZapiszAtomowo(PlikNaDysku(pliki.wyjscie), tresc))
                          return KASDRV_ZAPIS_WYJSCIA;
                      return 0;
                  });
}

uint8_t Sterownik::Werdykt(const char* funkcja, const char* plik, uint8_t rozkaz,
                           const std::function<Zlecenie(const std::vector<std::string>&)>& czytaj) {
    std::lock_guard lock(mutex_);
    TrwajacePolaczenie trwa(postep_);
    UstawOpis({});
    auto pliki = Przygotuj(plik, nullptr, false);
    if (pliki.kod != 0)
        return pliki.kod;
    const Zlecenie zlecenie = czytaj(pliki.linie);
    if (zlecenie.kod != 0)
        return zlecenie.kod;
    // A request too long for one frame would reach the register cut short.
    if (!protocol::Fits(zlecenie.dane))
        return KASDRV_ZLE_DANE_WEJSCIA;
    return Wymien(funkcja, zlecenie.numer, rozkaz, zlecenie.dane, nullptr, WerdyktKasy);
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
    return Werdykt("__ZDefKlaw", plik, protocol::cmd::WriteKeys, [](const auto& linie) {
        const auto d = CzytajDefinicje(linie);
        return d.kod != 0 ? Zlecenie{d.kod, 0, {}}
                          : Zlecenie{0, d.numer, protocol::EncodeKeys(d.klawisze)};
    });
}

uint8_t Sterownik::KDefKlaw(const char* plik) {
    return Werdykt("__KDefKlaw", plik, protocol::cmd::DeleteKeys, [](const auto& linie) {
        const auto k = CzytajKasowanie(linie);
        return k.kod != 0 ? Zlecenie{k.kod, 0, {}}
                          : Zlecenie{0, k.numer, protocol::EncodeCodes(k.kody)};
    });
}

} // namespace orbaklaw::kasdrv
