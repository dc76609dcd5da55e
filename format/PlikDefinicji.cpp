#include "format/PlikDefinicji.h"
#include "files/StronyKodowe.h"

#include "files/CzytnikLinii.h"
#include "files/LiczbaCalkowita.h"
#include "files/PlikTekstowy.h"
#include "files/WezArgument.h"

#include <map>
#include <optional>

namespace orbaklaw {

namespace {

constexpr int LiczbaLiniiNaglowka = 3;

std::string LiniaKlawisza(uint8_t kod, const DefinicjaKlawisza& d) {
    std::string l = "$" + std::to_string(kod) + "\t";
    switch (d.Rodzaj) {
    case Towar:
        l += "1\t" + std::to_string(d.NrTowaru) + "\t" + std::to_string(d.Pojedynczo) + "\t" +
             std::to_string(d.Zaplata) + "\t" + std::to_string(d.Paragon);
        break;
    case Funkcja:
        l += "2\t" + std::to_string(d.Numer) + "\t";
        break;
    case Platnosc:
        l += "3\t" + std::to_string(d.Numer) + "\t" + std::to_string(d.Kwota) + "\t0";
        break;
    default:
        l += "0";
        break;
    }
    return l;
}

std::optional<int32_t> Pole(const std::string& linia, int n, int32_t od, int32_t do_) {
    auto liczba = CzytajLiczbe(WezArgument(n, linia));
    if (!liczba || *liczba < od || *liczba > do_)
        return std::nullopt;
    return liczba;
}

std::optional<uint8_t> Flaga(const std::string& linia, int n) {
    auto f = Pole(linia, n, 0, 1);
    return f ? std::optional<uint8_t>(static_cast<uint8_t>(*f)) : std::nullopt;
}

// Applies one key line to the working record; false on a format error.
// The working record is deliberately not reset between lines: fields the
// line's kind does not carry keep what the previous line left.
bool CzytajLinieKlawisza(const std::string& linia, DefinicjaKlawisza& rob) {
    if (linia.size() > NajdluzszaLiniaDefinicji)
        return false;
    const std::string pole1 = WezArgument(1, linia);
    auto kod =
        CzytajLiczbe(pole1.size() < 2 ? std::string_view{} : std::string_view(pole1).substr(1));
    auto rodzaj = CzytajLiczbe(WezArgument(2, linia));
    if (!kod || !rodzaj)
        return false;
    rob.KodKlawisza = static_cast<uint16_t>(static_cast<uint32_t>(*kod) & 0xFFFF);
    switch (*rodzaj) {
    case Niezdefiniowany:
        rob.Rodzaj = Niezdefiniowany;
        return true;
    case Towar: {
        auto towar = Pole(linia, 3, INT32_MIN, INT32_MAX);
        if (!towar)
            return false;
        rob.NrTowaru = static_cast<uint16_t>(static_cast<uint32_t>(*towar) & 0xFFFF);
        auto pojedynczo = Flaga(linia, 4);
        auto zaplata = pojedynczo ? Flaga(linia, 5) : std::nullopt;
        auto paragon = zaplata ? Flaga(linia, 6) : std::nullopt;
        if (!paragon)
            return false;
        rob.Pojedynczo = *pojedynczo;
        rob.Zaplata = *zaplata;
        rob.Paragon = *paragon;
        rob.Rodzaj = Towar;
        return true;
    }
    case Funkcja: {
        auto numer = Pole(linia, 3, 0, 31);
        if (!numer)
            return false;
        rob.Numer = static_cast<uint8_t>(*numer);
        rob.Rodzaj = Funkcja;
        return true;
    }
    case Platnosc: {
        auto numer = Pole(linia, 3, 0, 8);
        if (!numer)
            return false;
        rob.Numer = static_cast<uint8_t>(*numer);
        auto kwota = Pole(linia, 4, 0, INT32_MAX);
        if (!kwota)
            return false;
        rob.Kwota = *kwota;
        rob.Rodzaj = Platnosc;
        return true;
    }
    default:
        return false; // no such kind: the writer never produces one
    }
}

} // namespace

std::string TekstPlikuDefinicji(const TabliceKlawiszy& tablice, std::string_view numerKasy) {
    std::vector<std::string> linie{"#" + std::string(numerKasy.substr(0, 2)), "#", "#"};
    for (const auto& k : KolejnoscKlawiszy())
        linie.push_back(LiniaKlawisza(k.kod, tablice.Rekord(k.miejsce)));
    return ZlaczLinie(linie);
}

WynikPliku<void> ZapiszPlikDefinicji(const TabliceKlawiszy& tablice,
                                     const std::filesystem::path& plik,
                                     std::string_view numerKasy) {
    return ZapiszAtomowo(plik, TekstPlikuDefinicji(tablice, numerKasy));
}

namespace {

// Takes the lines one at a time; the header lines are not looked at.
class ParserDefinicji {
public:
    explicit ParserDefinicji(TabliceKlawiszy& tablice) : tablice_(tablice) {}

    bool Linia(const std::string& linia) {
        if (numer_++ < LiczbaLiniiNaglowka)
            return true;
        if (!CzytajLinieKlawisza(linia, rob_))
            return false;
        DefinicjaKlawisza* slot = tablice_.SlotKodu(rob_.KodKlawisza);
        if (!slot) {
            wynik_.bezSkutku.push_back({numer_, linia, 0});
            return true;
        }
        *slot = rob_;
        ++wynik_.zapisanych;
        auto [poprzednia, nowy] = linieKluczy_.try_emplace(slot, LiniaBezSkutku{numer_, linia, 0});
        if (!nowy) {
            poprzednia->second.ponownie = numer_;
            wynik_.bezSkutku.push_back(std::move(poprzednia->second));
            poprzednia->second = {numer_, linia, 0};
        }
        return true;
    }

    WynikOdczytuDefinicji Wynik() { return std::move(wynik_); }
    WynikOdczytuDefinicji Blad(const std::string& linia) {
        WynikOdczytuDefinicji w = Wynik();
        w.poprawny = false;
        w.zlaLinia = linia;
        w.numerLinii = numer_;
        return w;
    }

private:
    TabliceKlawiszy& tablice_;
    DefinicjaKlawisza rob_;
    size_t numer_ = 0;
    WynikOdczytuDefinicji wynik_;
    // The line that last stored each key.
    std::map<const DefinicjaKlawisza*, LiniaBezSkutku> linieKluczy_;
};

} // namespace

WynikOdczytuDefinicji ParsujDefinicje(TabliceKlawiszy& tablice,
                                      const std::vector<std::string>& linie) {
    ParserDefinicji parser(tablice);
    for (const std::string& linia : linie)
        if (!parser.Linia(linia))
            return parser.Blad(linia);
    return parser.Wynik();
}

WynikPliku<WynikOdczytuDefinicji> ParsujDefinicje(TabliceKlawiszy& tablice, CzytnikLinii& czytnik) {
    ParserDefinicji parser(tablice);
    std::string linia;
    for (;;) {
        const auto jest = czytnik.Nastepna(linia);
        if (!jest)
            return jest.Blad();
        if (!*jest)
            return parser.Wynik();
        if (!parser.Linia(linia))
            return parser.Blad(linia);
    }
}

WynikPliku<WynikOdczytuDefinicji> CzytajPlikDefinicji(TabliceKlawiszy& tablice,
                                                      const std::filesystem::path& plik) {
    CzytnikLinii czytnik(plik, GranicePlikuDefinicji.bajtow, NajdluzszaLiniaDefinicji);
    if (auto otwarcie = czytnik.Otworz(); !otwarcie)
        return otwarcie.Blad();
    return ParsujDefinicje(tablice, czytnik);
}

std::string KomunikatBlednegoFormatu(const std::string& linia) {
    std::string tekst = "Błędny format pliku wejsciowego"_w1250;
    if (linia.size() <= NajdluzszaLiniaDefinicji)
        return tekst + linia;
    return tekst + linia.substr(0, NajdluzszaLiniaDefinicji) + "…"_w1250; // …
}

} // namespace orbaklaw
