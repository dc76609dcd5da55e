#include "comm/BibliotekaKasdrv.h"
#include "files/StronyKodowe.h"

#include "comm/BuforTekstu.h"

namespace orbaklaw {

namespace {

BuforTekstu Bufor(const std::string& tekst) {
    auto bufor = KonwNaBufor(tekst);
    if (!bufor)
        throw BladBiblioteki("Za długa nazwa pliku (ponad 255 znaków): "_w1250 +
                             tekst.substr(0, 64) + "...");
    return *bufor;
}

} // namespace

BibliotekaKasdrv::BibliotekaKasdrv(uint8_t& kodBledu) : kodBledu_(kodBledu) {}

BibliotekaKasdrv::BibliotekaKasdrv(const FunkcjeKasdrv& funkcje, uint8_t& kodBledu)
    : kodBledu_(kodBledu), funkcje_(funkcje) {}

const FunkcjeKasdrv& BibliotekaKasdrv::Funkcje() {
    if (funkcje_)
        return *funkcje_;
    auto biblioteka =
        std::make_shared<BibliotekaDynamiczna>(SciezkaBiblioteki(NazwaBibliotekiKasdrv));
    // Every function is looked up now so that a missing one is named at once.
    FunkcjeKasdrv f;
    f.ODefKlaw = biblioteka->Funkcja_<FunkcjeKasdrv::Wymiana2>(nazwy_kasdrv::ODefKlaw);
    f.ZDefKlaw = biblioteka->Funkcja_<FunkcjeKasdrv::Wymiana1>(nazwy_kasdrv::ZDefKlaw);
    f.KDefKlaw = biblioteka->Funkcja_<FunkcjeKasdrv::Wymiana1>(nazwy_kasdrv::KDefKlaw);
    f.TowarMax = biblioteka->Funkcja_<FunkcjeKasdrv::Wymiana2>(nazwy_kasdrv::TowarMax);
    f.OPlat = biblioteka->Funkcja_<FunkcjeKasdrv::Wymiana2>(nazwy_kasdrv::OPlat);
    f.OtwartoPlik = biblioteka->Funkcja_<decltype(f.OtwartoPlik)>(nazwy_kasdrv::OtwartoPlik);
    f.ZapisanoDoPlikuLinie =
        biblioteka->Funkcja_<decltype(f.ZapisanoDoPlikuLinie)>(nazwy_kasdrv::ZapisanoDoPlikuLinie);
    f.ZamknieciePliku =
        biblioteka->Funkcja_<decltype(f.ZamknieciePliku)>(nazwy_kasdrv::ZamknieciePliku);
    f.PostepWymiany =
        reinterpret_cast<decltype(f.PostepWymiany)>(biblioteka->Opcjonalny(NazwaFunkcjiPostepu));
    f.OpisBledu =
        reinterpret_cast<decltype(f.OpisBledu)>(biblioteka->Opcjonalny(NazwaFunkcjiOpisuBledu));
    biblioteka_ = std::move(biblioteka);
    funkcje_ = f;
    return *funkcje_;
}

template <typename F> F BibliotekaKasdrv::Wymagana(F f, const char* nazwa) {
    if (!f)
        throw BrakFunkcji(nazwa, NazwaBibliotekiKasdrv);
    return f;
}

uint8_t BibliotekaKasdrv::ODefKlaw(const std::string& wejscie, const std::string& wyjscie) {
    auto f = Wymagana(Funkcje().ODefKlaw, nazwy_kasdrv::ODefKlaw);
    const auto we = Bufor(wejscie);
    const auto wy = Bufor(wyjscie);
    return kodBledu_ =
               Wymiana(OperacjaKasy::OdczytDefinicji, [&] { return f(we.data(), wy.data()); });
}

uint8_t BibliotekaKasdrv::ZDefKlaw(const std::string& plik) {
    auto f = Wymagana(Funkcje().ZDefKlaw, nazwy_kasdrv::ZDefKlaw);
    const auto b = Bufor(plik);
    return kodBledu_ = Wymiana(OperacjaKasy::ZapisDefinicji, [&] { return f(b.data()); });
}

uint8_t BibliotekaKasdrv::KDefKlaw(const std::string& plik) {
    auto f = Wymagana(Funkcje().KDefKlaw, nazwy_kasdrv::KDefKlaw);
    const auto b = Bufor(plik);
    return kodBledu_ = Wymiana(OperacjaKasy::KasowanieDefinicji, [&] { return f(b.data()); });
}

uint8_t BibliotekaKasdrv::TowarMax(const std::string& wejscie, const std::string& wyjscie) {
    auto f = Wymagana(Funkcje().TowarMax, nazwy_kasdrv::TowarMax);
    const auto we = Bufor(wejscie);
    const auto wy = Bufor(wyjscie);
    return kodBledu_ =
               Wymiana(OperacjaKasy::OdczytTowarow, [&] { return f(we.data(), wy.data()); });
}

uint8_t BibliotekaKasdrv::OPlat(const std::string& wejscie, const std::string& wyjscie) {
    auto f = Wymagana(Funkcje().OPlat, nazwy_kasdrv::OPlat);
    const auto we = Bufor(wejscie);
    const auto wy = Bufor(wyjscie);
    return kodBledu_ =
               Wymiana(OperacjaKasy::OdczytPlatnosci, [&] { return f(we.data(), wy.data()); });
}

uint8_t BibliotekaKasdrv::Wymiana(OperacjaKasy operacja,
                                  const std::function<uint8_t()>& wywolanie) {
    return Wykonaj(wykonawca_, operacja, wywolanie);
}

std::optional<std::pair<uint64_t, uint64_t>> BibliotekaKasdrv::Postep() const {
    if (!funkcje_ || funkcje_->PostepWymiany == nullptr)
        return std::nullopt;
    uint32_t zrobione = 0;
    uint32_t oczekiwane = 0;
    if (funkcje_->PostepWymiany(&zrobione, &oczekiwane) == 0)
        return std::nullopt;
    return std::pair<uint64_t, uint64_t>{zrobione, oczekiwane};
}

std::string BibliotekaKasdrv::OpisBledu() const {
    if (!funkcje_ || funkcje_->OpisBledu == nullptr)
        return {};
    char opis[512] = "";
    funkcje_->OpisBledu(opis, sizeof opis);
    return opis;
}

std::optional<int32_t> BibliotekaKasdrv::OtworzPlik(const std::string& nazwa) {
    auto f = Wymagana(Funkcje().OtwartoPlik, nazwy_kasdrv::OtwartoPlik);
    const auto b = Bufor(nazwa);
    int32_t uchwyt = 0;
    if (f(&uchwyt, b.data(), 1) == 0)
        return std::nullopt;
    return uchwyt;
}

bool BibliotekaKasdrv::ZapiszLinie(int32_t uchwyt, const std::string& linia) {
    auto f = Wymagana(Funkcje().ZapisanoDoPlikuLinie, nazwy_kasdrv::ZapisanoDoPlikuLinie);
    const auto b = Bufor(linia);
    return f(uchwyt, b.data()) != 0;
}

bool BibliotekaKasdrv::ZamknijPlik(int32_t& uchwyt) {
    auto f = Wymagana(Funkcje().ZamknieciePliku, nazwy_kasdrv::ZamknieciePliku);
    return f(&uchwyt) != 0;
}

} // namespace orbaklaw
