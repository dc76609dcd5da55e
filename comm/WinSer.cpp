#include "comm/WinSer.h"

namespace orbaklaw {

namespace {

// The names the port library exports its functions under.
namespace nazwy {
constexpr const char* InitializePort = "InitializePort";
constexpr const char* UnInitializePort = "UnInitializePort";
constexpr const char* UstawKanal = "UstawKanal";
constexpr const char* RSSequence = "RSSequence";
} // namespace nazwy

} // namespace

WinSer::WinSer(const FunkcjeKomPort& funkcje) : funkcje_(funkcje) {}

ZBiblioteki<const FunkcjeKomPort*> WinSer::Funkcje() {
    if (funkcje_)
        return &*funkcje_;
    auto biblioteka = BibliotekaDynamiczna::Zaladuj(SciezkaBiblioteki(NazwaBibliotekiKomPort));
    if (!biblioteka)
        return biblioteka.Blad();
    const BibliotekaDynamiczna& b = **biblioteka;
    FunkcjeKomPort f;
    std::optional<BladBiblioteki> brak;
    b.Funkcja_(f.InitializePort, nazwy::InitializePort, brak);
    b.Funkcja_(f.UnInitializePort, nazwy::UnInitializePort, brak);
    b.Funkcja_(f.UstawKanal, nazwy::UstawKanal, brak);
    b.Funkcja_(f.RSSequence, nazwy::RSSequence, brak);
    if (brak)
        return *brak;
    biblioteka_ = std::move(*biblioteka);
    funkcje_ = f;
    return &*funkcje_;
}

template <typename F> ZBiblioteki<F> WinSer::Wymagana(F FunkcjeKomPort::*pole, const char* nazwa) {
    auto funkcje = Funkcje();
    if (!funkcje)
        return funkcje.Blad();
    F f = (*funkcje)->*pole;
    if (!f)
        return BrakFunkcji(nazwa, NazwaBibliotekiKomPort);
    return f;
}

ZBiblioteki<uint8_t> WinSer::InitializePort(uint8_t port, uint16_t szybkosc, uint16_t timeout) {
    auto f = Wymagana(&FunkcjeKomPort::InitializePort, nazwy::InitializePort);
    if (!f)
        return f.Blad();
    return Wykonaj(wykonawca_, OperacjaKasy::TestLacza,
                   [&] { return (*f)(port, szybkosc, timeout, timeout); });
}

ZBiblioteki<void> WinSer::UnInitializePort() {
    auto f = Wymagana(&FunkcjeKomPort::UnInitializePort, nazwy::UnInitializePort);
    if (!f)
        return f.Blad();
    Wykonaj(wykonawca_, OperacjaKasy::TestLacza, [&] { return (*f)(); });
    return {};
}

ZBiblioteki<bool> WinSer::UstawKanal(uint8_t kanal) {
    auto f = Wymagana(&FunkcjeKomPort::UstawKanal, nazwy::UstawKanal);
    if (!f)
        return f.Blad();
    return Wykonaj(wykonawca_, OperacjaKasy::TestLacza, [&] { return (*f)(kanal); }) != 0;
}

ZBiblioteki<uint8_t> WinSer::RSSequence(uint8_t rozkaz, uint8_t ile) {
    auto f = Wymagana(&FunkcjeKomPort::RSSequence, nazwy::RSSequence);
    if (!f)
        return f.Blad();
    return Wykonaj(wykonawca_, OperacjaKasy::TestLacza,
                   [&] { return (*f)(rozkaz, ile, 0, odpowiedz_.data(), bufor_.data()); });
}

} // namespace orbaklaw
