#include "emulator/Opcje.h"

#include "transfer/LiczbaCalkowita.h"

#include <map>
#include <stdexcept>

namespace orbaklaw::emulator {

namespace {

int Liczba(const std::string& tekst, int od, int do_, const std::string& opcja) {
    std::optional<int32_t> n;
    if (tekst.rfind("0x", 0) == 0) {
        try {
            size_t uzyte = 0;
            n = std::stoi(tekst.substr(2), &uzyte, 16);
            if (uzyte != tekst.size() - 2)
                n.reset();
        } catch (const std::exception&) {
        }
    } else {
        n = CzytajLiczbe(tekst);
    }
    if (!n || *n < od || *n > do_)
        throw std::invalid_argument(opcja + ": " + tekst + " is not a number in " +
                                    std::to_string(od) + ".." + std::to_string(do_));
    return *n;
}

const std::map<std::string, Usterka>& Usterki() {
    static const std::map<std::string, Usterka> u{
        {"silent", Usterka::Silent},
        {"nak", Usterka::Nak},
        {"corrupt", Usterka::Corrupt},
        {"hangup", Usterka::Hangup},
        {"other-number", Usterka::OtherNumber},
        {"slow", Usterka::Slow},
    };
    return u;
}

} // namespace

Opcje CzytajOpcje(int argc, const char* const* argv) {
    Opcje o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto wartosc = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::invalid_argument(a + " needs a value");
            return argv[++i];
        };
        if (a == "--link")
            o.link = wartosc();
        else if (a == "--state")
            o.stan = wartosc();
        else if (a == "--no-pacing")
            o.pacing = false;
        else if (a == "--mux")
            o.mux = true;
        else if (a == "--fault") {
            const std::string k = wartosc();
            auto it = Usterki().find(k);
            if (it == Usterki().end())
                throw std::invalid_argument("unknown fault: " + k);
            o.usterki.insert(it->second);
        } else if (a == "--model")
            o.model = Liczba(wartosc(), 0, 255, a);
        else if (a == "--version")
            o.wersja = Liczba(wartosc(), 0, 255, a);
        else if (a == "--number")
            o.numer = Liczba(wartosc(), 1, 99, a);
        else if (a == "--slow-ms")
            o.slowMs = Liczba(wartosc(), 0, 600000, a);
        else
            throw std::invalid_argument("unknown option: " + a);
    }
    if (o.link.empty())
        throw std::invalid_argument("--link PATH is required");
    return o;
}

} // namespace orbaklaw::emulator
