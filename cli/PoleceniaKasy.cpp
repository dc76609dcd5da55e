#include "cli/PoleceniaKasy.h"

#include "cli/Polecenia.h"
#include "cli/Utf8.h"
#include "cli/WymianaCli.h"
#include "comm/OdpowiedziKasy.h"
#include "keys/TabliceKlawiszy.h"
#include "keys/Towary.h"
#include "transfer/PlikDefinicji.h"
#include "transfer/PlikKasowania.h"
#include "transfer/PlikTekstowy.h"

#include <filesystem>

namespace orbaklaw::cli {

namespace {

namespace fs = std::filesystem;
constexpr const char* PlikKlawiszy = "klawisz.txt";
constexpr const char* PlikTowarow = "towary.txt";

int BladUzyciaKasy(std::ostream& err, const std::string& powod) {
    err << "orbaklaw-cli: " << powod << " (orbaklaw-cli --help)\n";
    return KodBladUzycia;
}

// The request file goes whatever the call gives.
int ZapytajKase(WymianaCli& w, const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie) {
    const int kod = w.Wywolaj(wywolanie);
    std::error_code ec;
    fs::remove(PlikZapytaniaCli, ec);
    return kod;
}

// The reply file checked as the program reads it, then copied to `wy`.
int PrzepiszDefinicje(WymianaCli& w, const std::string& wy) {
    try {
        TabliceKlawiszy t;
        const auto wynik = CzytajPlikDefinicji(t, PlikKlawiszy);
        if (!wynik.poprawny)
            return w.Blad(KomunikatBlednegoFormatu(wynik.zlaLinia), KodBladFormatu);
        ZapiszAtomowo(wy, ZlaczLinie(CzytajLinie(PlikKlawiszy)));
        return KodSukces;
    } catch (const BladWejsciaWyjscia& e) {
        return w.Blad(e.what(), KodBladPliku);
    }
}

std::string ListaTowarow(const Towary& towary) {
    std::string lista;
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
        if (!towary.Nazwa852(n).empty())
            lista += std::to_string(n) + "\t" + Utf8Z1250(towary.Nazwa(n)) + "\n";
    return lista;
}

} // namespace

int Read(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1)
        return BladUzyciaKasy(err, "read bierze plik wyjściowy");
    WymianaCli w(err);
    if (!w.PlikZapytania())
        return KodBladPliku;
    if (int kod = ZapytajKase(
            w, [](BibliotekaKasdrv& k) { return k.ODefKlaw(PlikZapytaniaCli, PlikKlawiszy); });
        kod != KodSukces)
        return kod;
    if (int kod = PrzepiszDefinicje(w, a[0]); kod != KodSukces)
        return kod;
    out << "Odczytano definicje klawiszy z kasy do pliku " << a[0] << "\n";
    return KodSukces;
}

int Write(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1)
        return BladUzyciaKasy(err, "write bierze plik definicji");
    WymianaCli w(err);
    const auto numer = w.NumerKasy();
    if (!numer)
        return KodBladPliku;
    try {
        TabliceKlawiszy t;
        const auto wynik = CzytajPlikDefinicji(t, a[0]);
        if (!wynik.poprawny)
            return w.Blad(KomunikatBlednegoFormatu(wynik.zlaLinia), KodBladFormatu);
        // The register gets the file as the program writes it, and a copy stays.
        ZapiszPlikDefinicji(t, PlikKlawiszy, *numer);
    } catch (const BladWejsciaWyjscia& e) {
        return w.Blad(e.what(), KodBladPliku);
    }
    if (int kod = w.Wywolaj([](BibliotekaKasdrv& k) { return k.ZDefKlaw(PlikKlawiszy); });
        kod != KodSukces)
        return kod;
    out << "Definicje klawiszy zapisano do kasy i do pliku " << PlikKlawiszy << "\n";
    return KodSukces;
}

int Delete(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (!a.empty())
        return BladUzyciaKasy(err, "delete nie bierze argumentów");
    WymianaCli w(err);
    const auto numer = w.NumerKasy();
    if (!numer)
        return KodBladPliku;
    std::error_code ec;
    const auto stary = ZnajdzPlik(NazwaPlikuKasowania);
    // "Nie udało się skasować definicji klawiszy"
    if (fs::exists(stary, ec) && !fs::remove(stary, ec))
        return w.Blad("Nie uda\263o si\352 skasowa\346 definicji klawiszy", KodBladPliku);
    try {
        ZapiszAtomowo(NazwaPlikuKasowania, TekstPlikuKasowania(*numer));
    } catch (const BladWejsciaWyjscia& e) {
        return w.Blad(e.what(), KodBladPliku);
    }
    if (int kod = w.Wywolaj([](BibliotekaKasdrv& k) { return k.KDefKlaw(NazwaPlikuKasowania); });
        kod != KodSukces)
        return kod;
    fs::remove(NazwaPlikuKasowania, ec);
    out << "Skasowano definicje klawiszy\n";
    return KodSukces;
}

int Goods(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1)
        return BladUzyciaKasy(err, "goods bierze plik wyjściowy");
    WymianaCli w(err);
    if (!w.PlikZapytania())
        return KodBladPliku;
    if (int kod = ZapytajKase(
            w, [](BibliotekaKasdrv& k) { return k.TowarMax(PlikZapytaniaCli, PlikTowarow); });
        kod != KodSukces)
        return kod;
    try {
        Towary towary;
        CzytajTowary(CzytajLinie(PlikTowarow), towary);
        ZapiszAtomowo(a[0], ListaTowarow(towary));
    } catch (const BladWejsciaWyjscia& e) {
        return w.Blad(e.what(), KodBladPliku);
    }
    out << "Odczytano nazwy towarów z kasy do pliku " << a[0] << "\n";
    return KodSukces;
}

} // namespace orbaklaw::cli
