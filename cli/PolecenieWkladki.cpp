#include "cli/PolecenieWkladki.h"

#include "appearance/KompozycjaWkladki.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/PlikEtykiet.h"
#include "appearance/SzablonWkladki.h"
#include "appearance/ZapisBmp.h"
#include "appearance/ZapisPdf.h"
#include "cli/Komunikaty.h"
#include "cli/PlikiCli.h"
#include "cli/Polecenia.h"
#include "files/PlikTekstowy.h"
#include "files/ZapisAtomowy.h"
#include "platform/Srodowisko.h"
#include "ui/Czcionki.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>

#include <filesystem>
#include <memory>
#include <optional>

namespace orbaklaw::cli {

namespace {

struct Argumenty {
    std::string etykiety;
    std::string bmp;
    std::string pdf;
};

bool Parsuj(const std::vector<std::string>& a, Argumenty& wynik) {
    std::vector<std::string> pliki;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--pdf") {
            if (i + 1 >= a.size())
                return false;
            wynik.pdf = a[++i];
        } else {
            pliki.push_back(a[i]);
        }
    }
    if (pliki.size() != 2)
        return false;
    wynik.etykiety = pliki[0];
    wynik.bmp = pliki[1];
    return true;
}

// Device pixels to the inch of the PDF, as a high-resolution printer's.
constexpr int RozdzielczoscPdf = 1200;

// The page of the PDF: A4 with margins of 28 points.
QPageLayout UkladStrony() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(28, 28, 28, 28),
                       QPageLayout::Point);
}

// Both files are made whole beside their targets and brought to the disk
// before either takes its name: either both outputs are new or both are as
// they were. A failure names the output as given.
WynikPliku<void> ZapiszWyniki(const QImage& wkladka, const Argumenty& a) {
    ZapisAtomowy bmp(a.bmp);
    if (auto w = bmp.Otworz(); !w)
        return w;
    std::optional<ZapisAtomowy> pdf;
    if (!a.pdf.empty()) {
        pdf.emplace(a.pdf);
        if (auto w = pdf->Otworz(); !w)
            return w;
        const auto tresc = PdfWkladki(wkladka, UkladStrony(), RozdzielczoscPdf);
        if (!tresc)
            return BladWejsciaWyjscia(a.pdf, PdfNiePowstal());
        if (auto w = pdf->Dopisz(*tresc); !w)
            return w;
        if (auto w = pdf->Utrwal(); !w)
            return w;
    }
    if (auto w = bmp.Dopisz(ObrazJakoBmp(wkladka)); !w)
        return w;
    if (auto w = bmp.Utrwal(); !w)
        return w;
    if (pdf)
        if (auto w = pdf->Zatwierdz(); !w)
            return w;
    return bmp.Zatwierdz();
}

// The outputs checked before anything is composed.
bool SprawdzWyjscia(const Argumenty& a, std::ostream& err) {
    std::optional<BladWejsciaWyjscia> problem = ProblemWyjscia(a.bmp, {a.etykiety});
    if (!problem && !a.pdf.empty())
        problem = ProblemWyjscia(a.pdf, {a.etykiety, a.bmp});
    if (problem)
        ZglosBladPliku(err, *problem);
    return !problem;
}

} // namespace

// Fonts need a GUI application; without a display the offscreen platform does.
std::unique_ptr<QGuiApplication> AplikacjaCli() {
    if (QGuiApplication::instance())
        return nullptr;
    constexpr const char* platforma = "QT_QPA_PLATFORM";
    // Where the system refuses it, Qt itself says it found no display.
    if (!platform::NiepustaZmienna(platforma) && !platform::NiepustaZmienna("DISPLAY") &&
        !platform::NiepustaZmienna("WAYLAND_DISPLAY"))
        static_cast<void>(platform::UstawZmienna(platforma, "offscreen"));
    static int argc = 1;
    static char nazwa[] = "orbaklaw-cli";
    static char* argv[] = {nazwa, nullptr};
    auto aplikacja = std::make_unique<QGuiApplication>(argc, argv);
    UstawZastepstwaCzcionek(); // the program's stand-in faces
    return aplikacja;
}

int Wkladka(const std::vector<std::string>& a, std::ostream&, std::ostream& err) {
    Argumenty argumenty;
    if (!Parsuj(a, argumenty)) {
        err << "orbaklaw-cli: insert bierze plik etykiet (.bm0), plik obrazu (.bmp) i "
               "opcjonalnie --pdf PLIK\n";
        return KodBladUzycia;
    }
    // The labels are read first, as the program reads a label file: nothing
    // is composed or written from a file that can't be.
    auto teksty = CzytajPlikEtykiet(argumenty.etykiety);
    if (!teksty)
        return ZglosBladPliku(err, teksty.Blad());
    if (!SprawdzWyjscia(argumenty, err))
        return KodBladPliku;
    const auto aplikacja = AplikacjaCli();
    const QImage wkladka =
        KomponujWkladke(WczytajSzablonWkladki(), *teksty, RozmiarPolaKlawiatury,
                        DomyslnaCzcionkaEtykiet(), DomyslnyKolorEtykiet(), DomyslneDpiEkranu);
    if (auto zapis = ZapiszWyniki(wkladka, argumenty); !zapis)
        return ZglosBladPliku(err, zapis.Blad());
    return KodSukces;
}

} // namespace orbaklaw::cli
