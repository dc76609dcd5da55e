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

void Wypelnij(const BibliotekaDynamiczna& b, FunkcjeKomPort& f,
              std::optional<BladBiblioteki>& brak) {
    b.Funkcje_(brak, std::pair{&f.InitializePort, nazwy::InitializePort},
               std::pair{&f.UnInitializePort, nazwy::UnInitializePort},
               std::pair{&f.UstawKanal, nazwy::UstawKanal},
               std::pair{&f.RSSequence, nazwy::RSSequence});
}

} // namespace

WinSer::WinSer() : funkcje_(NazwaBibliotekiKomPort, Wypelnij) {}

WinSer::WinSer(const FunkcjeKomPort& funkcje) : funkcje_(NazwaBibliotekiKomPort, funkcje) {}

ZBiblioteki<uint8_t> WinSer::InitializePort(uint8_t port, uint16_t szybkosc, uint16_t timeout) {
    auto f = funkcje_.Wymagana(&FunkcjeKomPort::InitializePort, nazwy::InitializePort);
    if (!f)
        return f.Blad();
    return Wykonaj(wykonawca_, OperacjaKasy::TestLacza,
                   [&] { return (*f)(port, szybkosc, timeout, timeout); });
}

ZBiblioteki<void> WinSer::UnInitializePort() {
    auto f = funkcje_.Wymagana(&FunkcjeKomPort::UnInitializePort, nazwy::UnInitializePort);
    if (!f)
        return f.Blad();
    Wykonaj(wykonawca_, OperacjaKasy::TestLacza, [&] { return (*f)(); });
    return {};
}

ZBiblioteki<bool> WinSer::UstawKanal(uint8_t kanal) {
    auto f = funkcje_.Wymagana(&FunkcjeKomPort::UstawKanal, nazwy::UstawKanal);
    if (!f)
        return f.Blad();
    return Wykonaj(wykonawca_, OperacjaKasy::TestLacza, [&] { return (*f)(kanal); }) != 0;
}

ZBiblioteki<uint8_t> WinSer::RSSequence(uint8_t rozkaz, uint8_t ile) {
    auto f = funkcje_.Wymagana(&FunkcjeKomPort::RSSequence, nazwy::RSSequence);
    if (!f)
        return f.Blad();
    return Wykonaj(wykonawca_, OperacjaKasy::TestLacza,
                   [&] { return (*f)(rozkaz, ile, 0, odpowiedz_.data(), bufor_.data()); });
}

} // namespace orbaklaw
