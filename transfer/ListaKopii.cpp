#include "transfer/ListaKopii.h"

#include "format/PlikDefinicji.h"
#include "transfer/KopiaZapasowa.h"
#include "transfer/PorownanieDefinicji.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <regex>
#include <tuple>

namespace orbaklaw {

namespace {

// "kasaNN-YYYYMMDD-HHMMSS[-k].txt": the time and the sequence number.
struct NazwaKopiiKasy {
    std::string czas;
    int kolejna = 1;
};

std::optional<NazwaKopiiKasy> CzytajNazwe(const std::string& nazwa, const std::string& numer) {
    static const std::regex wzor(
        R"(kasa(\d\d)-(\d{4})(\d\d)(\d\d)-(\d\d)(\d\d)(\d\d)(?:-(\d+))?\.txt)");
    std::smatch m;
    if (!std::regex_match(nazwa, m, wzor) || m[1] != numer)
        return std::nullopt;
    return NazwaKopiiKasy{m[2].str() + "-" + m[3].str() + "-" + m[4].str() + " " + m[5].str() +
                              ":" + m[6].str() + ":" + m[7].str(),
                          m[8].matched ? std::stoi(m[8].str()) : 1};
}

} // namespace

WynikPliku<std::vector<KopiaKasy>> KopieKasy(const std::filesystem::path& folder,
                                             const std::string& numerKasy,
                                             const TabliceKlawiszy& tablice) {
    const auto numerKopii = NumerKasyKopii(numerKasy);
    if (!numerKopii)
        return numerKopii.Blad();
    const std::string& numer = *numerKopii;
    std::vector<std::pair<NazwaKopiiKasy, KopiaKasy>> kopie;
    std::error_code ec;
    for (const auto& w : std::filesystem::directory_iterator(folder, ec)) {
        const auto nazwa = CzytajNazwe(w.path().filename().string(), numer);
        if (!nazwa || !w.is_regular_file(ec))
            continue;
        KopiaKasy k;
        k.plik = w.path();
        k.czas = nazwa->czas;
        k.definicje.WyczyscDoOdczytu();
        const auto odczyt = CzytajPlikDefinicji(k.definicje, w.path());
        k.poprawna = odczyt && odczyt->poprawny;
        if (k.poprawna) {
            k.zdefiniowane = Zdefiniowane(k.definicje).size();
            k.rozne = Porownaj(k.definicje, tablice).size();
        }
        kopie.emplace_back(*nazwa, std::move(k));
    }
    std::sort(kopie.begin(), kopie.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.czas, a.first.kolejna) > std::tie(b.first.czas, b.first.kolejna);
    });
    std::vector<KopiaKasy> wynik;
    for (auto& [nazwa, k] : kopie)
        wynik.push_back(std::move(k));
    return wynik;
}

} // namespace orbaklaw
