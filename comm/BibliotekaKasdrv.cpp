#include "comm/BibliotekaKasdrv.h"
#include "files/StronyKodowe.h"

#include "comm/BuforTekstu.h"

namespace orbaklaw {

namespace {

ZBiblioteki<BuforTekstu> Bufor(const std::string& tekst) {
    auto bufor = KonwNaBufor(tekst);
    if (!bufor)
        return BladBiblioteki{"Za długa nazwa pliku (ponad 255 znaków): "_w1250 +
                              tekst.substr(0, 64) + "..."};
    return *bufor;
}

// Every function is looked up at once, so that a missing one is named before
// anything is called.
void Wypelnij(const BibliotekaDynamiczna& b, FunkcjeKasdrv& f,
              std::optional<BladBiblioteki>& brak) {
    namespace n = nazwy_kasdrv;
    b.Funkcje_(brak, std::pair{&f.ODefKlaw, n::ODefKlaw}, std::pair{&f.ZDefKlaw, n::ZDefKlaw},
               std::pair{&f.KDefKlaw, n::KDefKlaw}, std::pair{&f.TowarMax, n::TowarMax},
               std::pair{&f.OPlat, n::OPlat}, std::pair{&f.OtwartoPlik, n::OtwartoPlik},
               std::pair{&f.ZapisanoDoPlikuLinie, n::ZapisanoDoPlikuLinie},
               std::pair{&f.ZamknieciePliku, n::ZamknieciePliku});
    f.PostepWymiany =
        reinterpret_cast<decltype(f.PostepWymiany)>(b.Opcjonalny(NazwaFunkcjiPostepu));
    f.OpisBledu = reinterpret_cast<decltype(f.OpisBledu)>(b.Opcjonalny(NazwaFunkcjiOpisuBledu));
}

} // namespace

BibliotekaKasdrv::BibliotekaKasdrv() : funkcje_(NazwaBibliotekiKasdrv, Wypelnij) {}

BibliotekaKasdrv::BibliotekaKasdrv(const FunkcjeKasdrv& funkcje)
    : funkcje_(NazwaBibliotekiKasdrv, funkcje) {}

ZBiblioteki<uint8_t> BibliotekaKasdrv::Wymiana(OperacjaKasy operacja,
                                               FunkcjeKasdrv::Wymiana2 FunkcjeKasdrv::*pole,
                                               const char* nazwa, const std::string& wejscie,
                                               const std::string& wyjscie) {
    auto f = funkcje_.Wymagana(pole, nazwa);
    if (!f)
        return f.Blad();
    const auto we = Bufor(wejscie);
    if (!we)
        return we.Blad();
    const auto wy = Bufor(wyjscie);
    if (!wy)
        return wy.Blad();
    return Wykonaj(wykonawca_, operacja, [&] { return (*f)(we->data(), wy->data()); });
}

ZBiblioteki<uint8_t> BibliotekaKasdrv::Wymiana(OperacjaKasy operacja,
                                               FunkcjeKasdrv::Wymiana1 FunkcjeKasdrv::*pole,
                                               const char* nazwa, const std::string& plik) {
    auto f = funkcje_.Wymagana(pole, nazwa);
    if (!f)
        return f.Blad();
    const auto b = Bufor(plik);
    if (!b)
        return b.Blad();
    return Wykonaj(wykonawca_, operacja, [&] { return (*f)(b->data()); });
}

ZBiblioteki<uint8_t> BibliotekaKasdrv::ODefKlaw(const std::string& wejscie,
                                                const std::string& wyjscie) {
    return Wymiana(OperacjaKasy::OdczytDefinicji, &FunkcjeKasdrv::ODefKlaw, nazwy_kasdrv::ODefKlaw,
                   wejscie, wyjscie);
}

ZBiblioteki<uint8_t> BibliotekaKasdrv::ZDefKlaw(const std::string& plik) {
    return Wymiana(OperacjaKasy::ZapisDefinicji, &FunkcjeKasdrv::ZDefKlaw, nazwy_kasdrv::ZDefKlaw,
                   plik);
}

ZBiblioteki<uint8_t> BibliotekaKasdrv::KDefKlaw(const std::string& plik) {
    return Wymiana(OperacjaKasy::KasowanieDefinicji, &FunkcjeKasdrv::KDefKlaw,
                   nazwy_kasdrv::KDefKlaw, plik);
}

ZBiblioteki<uint8_t> BibliotekaKasdrv::TowarMax(const std::string& wejscie,
                                                const std::string& wyjscie) {
    return Wymiana(OperacjaKasy::OdczytTowarow, &FunkcjeKasdrv::TowarMax, nazwy_kasdrv::TowarMax,
                   wejscie, wyjscie);
}

ZBiblioteki<uint8_t> BibliotekaKasdrv::OPlat(const std::string& wejscie,
                                             const std::string& wyjscie) {
    return Wymiana(OperacjaKasy::OdczytPlatnosci, &FunkcjeKasdrv::OPlat, nazwy_kasdrv::OPlat,
                   wejscie, wyjscie);
}

std::optional<std::pair<uint64_t, uint64_t>> BibliotekaKasdrv::Postep() const {
    const auto& funkcje = funkcje_.Zaladowana();
    if (!funkcje || funkcje->PostepWymiany == nullptr)
        return std::nullopt;
    uint32_t zrobione = 0;
    uint32_t oczekiwane = 0;
    if (funkcje->PostepWymiany(&zrobione, &oczekiwane) == 0)
        return std::nullopt;
    return std::pair<uint64_t, uint64_t>{zrobione, oczekiwane};
}

std::string BibliotekaKasdrv::OpisBledu() const {
    const auto& funkcje = funkcje_.Zaladowana();
    if (!funkcje || funkcje->OpisBledu == nullptr)
        return {};
    char opis[512] = "";
    funkcje->OpisBledu(opis, sizeof opis);
    return opis;
}

ZBiblioteki<std::optional<int32_t>> BibliotekaKasdrv::OtworzPlik(const std::string& nazwa) {
    auto f = funkcje_.Wymagana(&FunkcjeKasdrv::OtwartoPlik, nazwy_kasdrv::OtwartoPlik);
    if (!f)
        return f.Blad();
    const auto b = Bufor(nazwa);
    if (!b)
        return b.Blad();
    int32_t uchwyt = 0;
    if ((*f)(&uchwyt, b->data(), 1) == 0)
        return std::optional<int32_t>();
    return std::optional(uchwyt);
}

ZBiblioteki<bool> BibliotekaKasdrv::ZapiszLinie(int32_t uchwyt, const std::string& linia) {
    auto f =
        funkcje_.Wymagana(&FunkcjeKasdrv::ZapisanoDoPlikuLinie, nazwy_kasdrv::ZapisanoDoPlikuLinie);
    if (!f)
        return f.Blad();
    const auto b = Bufor(linia);
    if (!b)
        return b.Blad();
    return (*f)(uchwyt, b->data()) != 0;
}

ZBiblioteki<bool> BibliotekaKasdrv::ZamknijPlik(int32_t& uchwyt) {
    auto f = funkcje_.Wymagana(&FunkcjeKasdrv::ZamknieciePliku, nazwy_kasdrv::ZamknieciePliku);
    if (!f)
        return f.Blad();
    return (*f)(&uchwyt) != 0;
}

} // namespace orbaklaw
