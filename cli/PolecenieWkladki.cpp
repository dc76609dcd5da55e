#include "cli/PolecenieWkladki.h"

#include "appearance/CzcionkaEtykiet.h"
#include "appearance/DrukWkladki.h"
#include "appearance/KompozycjaWkladki.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/PlikEtykiet.h"
#include "appearance/SzablonWkladki.h"
#include "appearance/ZapisBmp.h"
#include "cli/Komunikaty.h"
#include "cli/PlikiCli.h"
#include "cli/Polecenia.h"
#include "files/BladSystemu.h"
#include "files/PlikTekstowy.h"
#include "ui/Czcionki.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

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

namespace fs = std::filesystem;

// A name beside `plik` for writing it before it is put in place.
fs::path Tymczasowy(const std::string& plik, const char* rozszerzenie) {
    const fs::path p(plik);
    return p.parent_path() / ("." + p.filename().string() + "." +
                              std::to_string(std::random_device{}()) + ".tmp" + rozszerzenie);
}

// Written in full to `plik` or not at all.
bool ZapiszPdf(const QImage& wkladka, const fs::path& plik, const std::string& cel,
               std::ostream& err) {
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(plik.string())));
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setPageSize(QPageSize(QPageSize::A4));
    drukarka.setPageMargins(QMarginsF(28, 28, 28, 28), QPageLayout::Point);
    const auto wynik = DrukujWkladke(drukarka, wkladka);
    std::error_code ec;
    if (!wynik.udany || fs::file_size(plik, ec) == 0 || ec) {
        err << "orbaklaw-cli: " << cel << ": "
            << (wynik.udany ? std::string("PDF nie powstał") : wynik.blad.toStdString()) << "\n";
        return false;
    }
    return true;
}

// Both pictures into their temporary files, then both put in place: either
// both outputs are new or both are as they were.
int ZapiszWyniki(const QImage& wkladka, const Argumenty& a, std::ostream& err) {
    const fs::path bmp = Tymczasowy(a.bmp, ".bmp");
    const fs::path pdf = a.pdf.empty() ? fs::path() : Tymczasowy(a.pdf, ".pdf");
    std::error_code ec;
    int kod = KodSukces;
    try {
        ZapiszObrazBmp(wkladka, bmp);
        if (!pdf.empty() && !ZapiszPdf(wkladka, pdf, a.pdf, err))
            kod = KodBladPliku;
        if (kod == KodSukces && !pdf.empty()) {
            fs::rename(pdf, a.pdf, ec);
            if (ec)
                throw BladWejsciaWyjscia(a.pdf, OpisBleduSystemu(ec.value()));
        }
        if (kod == KodSukces) {
            fs::rename(bmp, a.bmp, ec);
            if (ec)
                throw BladWejsciaWyjscia(a.bmp, OpisBleduSystemu(ec.value()));
        }
    } catch (const BladWejsciaWyjscia& e) {
        err << "orbaklaw-cli: " << KomunikatPliku(e) << "\n";
        kod = KodBladPliku;
    }
    fs::remove(bmp, ec);
    if (!pdf.empty())
        fs::remove(pdf, ec);
    return kod;
}

// The outputs checked before anything is composed.
bool SprawdzWyjscia(const Argumenty& a, std::ostream& err) {
    std::optional<BladWejsciaWyjscia> problem = ProblemWyjscia(a.bmp, {a.etykiety});
    if (!problem && !a.pdf.empty())
        problem = ProblemWyjscia(a.pdf, {a.etykiety, a.bmp});
    if (problem)
        err << "orbaklaw-cli: " << KomunikatPliku(*problem) << "\n";
    return !problem;
}

} // namespace

// Fonts need a GUI application; without a display the offscreen platform does.
std::unique_ptr<QGuiApplication> AplikacjaCli() {
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

int Wkladka(const std::vector<std::string>& a, std::ostream&, std::ostream& err) {
    Argumenty argumenty;
    if (!Parsuj(a, argumenty)) {
        err << "orbaklaw-cli: insert bierze plik etykiet (.bm0), plik obrazu (.bmp) i "
               "opcjonalnie --pdf PLIK\n";
        return KodBladUzycia;
    }
    // The labels are read first, as the program reads a label file: nothing
    // is composed or written from a file that can't be.
    TekstyEtykiet teksty;
    try {
        teksty = CzytajPlikEtykiet(argumenty.etykiety);
    } catch (const BladWejsciaWyjscia& e) {
        err << "orbaklaw-cli: " << KomunikatPliku(e) << "\n";
        return KodBladPliku;
    }
    if (!SprawdzWyjscia(argumenty, err))
        return KodBladPliku;
    const auto aplikacja = AplikacjaCli();
    try {
        const QImage wkladka =
            KomponujWkladke(WczytajSzablonWkladki(), teksty, RozmiarPolaKlawiatury,
                            DomyslnaCzcionkaEtykiet(), DomyslnyKolorEtykiet(), DomyslneDpiEkranu);
        return ZapiszWyniki(wkladka, argumenty, err);
    } catch (const BladWejsciaWyjscia& e) {
        err << "orbaklaw-cli: " << KomunikatPliku(e) << "\n";
        return KodBladPliku;
    }
}

} // namespace orbaklaw::cli
