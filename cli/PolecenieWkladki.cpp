#include "cli/PolecenieWkladki.h"

#include "app/Czcionki.h"
#include "appearance/CzcionkaEtykiet.h"
#include "appearance/DrukWkladki.h"
#include "appearance/KompozycjaWkladki.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/PlikEtykiet.h"
#include "appearance/SzablonWkladki.h"
#include "appearance/ZapisBmp.h"
#include "cli/Polecenia.h"
#include "transfer/PlikTekstowy.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <memory>

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

// Fonts need a GUI application; without a display the offscreen platform does.
std::unique_ptr<QGuiApplication> Aplikacja() {
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nazwa[] = "orbaklaw-cli";
    static char* argv[] = {nazwa, nullptr};
    auto aplikacja = std::make_unique<QGuiApplication>(argc, argv);
    UstawZastepstwaCzcionek(); // the program's stand-in faces
    return aplikacja;
}

bool ZapiszPdf(const QImage& wkladka, const std::string& plik, std::ostream& err) {
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(QString::fromStdString(plik));
    drukarka.setPageSize(QPageSize(QPageSize::A4));
    drukarka.setPageMargins(QMarginsF(28, 28, 28, 28), QPageLayout::Point);
    const auto wynik = DrukujWkladke(drukarka, wkladka);
    if (!wynik.udany)
        err << "orbaklaw-cli: " << plik << ": " << wynik.blad.toStdString() << "\n";
    return wynik.udany;
}

} // namespace

int Wkladka(const std::vector<std::string>& a, std::ostream&, std::ostream& err) {
    Argumenty argumenty;
    if (!Parsuj(a, argumenty)) {
        err << "orbaklaw-cli: insert bierze plik etykiet (.bm0), plik obrazu (.bmp) i "
               "opcjonalnie --pdf PLIK\n";
        return KodBladUzycia;
    }
    const auto aplikacja = Aplikacja();
    try {
        TekstyEtykiet teksty = CzytajPlikEtykiet(argumenty.etykiety);
        const QImage wkladka =
            KomponujWkladke(WczytajSzablonWkladki(), teksty, RozmiarPolaKlawiatury,
                            DomyslnaCzcionkaEtykiet(), DomyslnyKolorEtykiet(), DomyslneDpiEkranu);
        ZapiszObrazBmp(wkladka, argumenty.bmp);
        if (!argumenty.pdf.empty() && !ZapiszPdf(wkladka, argumenty.pdf, err))
            return KodBladPliku;
    } catch (const BladWejsciaWyjscia& e) {
        err << "orbaklaw-cli: " << e.what() << "\n";
        return KodBladPliku;
    }
    return KodSukces;
}

} // namespace orbaklaw::cli
