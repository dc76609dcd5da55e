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

template <typename F> F Wymagana(F f, const char* nazwa) {
    if (!f)
        throw BrakFunkcji(nazwa, NazwaBibliotekiKomPort);
    return f;
}

} // namespace

WinSer::WinSer(const FunkcjeKomPort& funkcje) : funkcje_(funkcje) {}

const FunkcjeKomPort& WinSer::Funkcje() {
    if (funkcje_)
        return *funkcje_;
    auto biblioteka =
        std::make_shared<BibliotekaDynamiczna>(SciezkaBiblioteki(NazwaBibliotekiKomPort));
    FunkcjeKomPort f;
    f.InitializePort = biblioteka->Funkcja_<decltype(f.InitializePort)>(nazwy::InitializePort);
    f.UnInitializePort =
        biblioteka->Funkcja_<decltype(f.UnInitializePort)>(nazwy::UnInitializePort);
    f.UstawKanal = biblioteka->Funkcja_<decltype(f.UstawKanal)>(nazwy::UstawKanal);
    f.RSSequence = biblioteka->Funkcja_<decltype(f.RSSequence)>(nazwy::RSSequence);
    biblioteka_ = std::move(biblioteka);
    funkcje_ = f;
    return *funkcje_;
}

uint8_t WinSer::InitializePort(uint8_t port, uint16_t szybkosc, uint16_t timeout) {
    auto f = Wymagana(Funkcje().InitializePort, nazwy::InitializePort);
    return Wykonaj(wykonawca_, OperacjaKasy::TestLacza,
                   [&] { return f(port, szybkosc, timeout, timeout); });
}

void WinSer::UnInitializePort() {
    auto f = Wymagana(Funkcje().UnInitializePort, nazwy::UnInitializePort);
    Wykonaj(wykonawca_, OperacjaKasy::TestLacza, [&] { return f(); });
}

bool WinSer::UstawKanal(uint8_t kanal) {
    auto f = Wymagana(Funkcje().UstawKanal, nazwy::UstawKanal);
    return Wykonaj(wykonawca_, OperacjaKasy::TestLacza, [&] { return f(kanal); }) != 0;
}

uint8_t WinSer::RSSequence(uint8_t rozkaz, uint8_t ile) {
    auto f = Wymagana(Funkcje().RSSequence, nazwy::RSSequence);
    return Wykonaj(wykonawca_, OperacjaKasy::TestLacza,
                   [&] { return f(rozkaz, ile, 0, odpowiedz_.data(), bufor_.data()); });
}

} // namespace orbaklaw
