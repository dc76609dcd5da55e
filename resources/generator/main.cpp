// Draws the keyboard picture and the blank insert compiled into the program,
// the animated busy cursor "hourglas.ani" that goes beside it, and the
// program's icon (orbaklaw.svg, orbaklaw.png) for the desktop menus.
// Usage: orbaklaw_rysuj_obrazy OUTPUT-FOLDER [--podglad]
//        orbaklaw_rysuj_obrazy --porownaj DRAWN COMMITTED   (exit 0: the same picture)
// With --podglad it also writes PNG copies for a quick look, the picture as
// the window shows it under its label fields, and an insert with sample texts.

#include "Podglad.h"
#include "Porownanie.h"
#include "RysunekIkony.h"
#include "RysunekKlawiatury.h"
#include "RysunekKlepsydry.h"
#include "RysunekWkladki.h"
#include "ZapisAni.h"

#include "appearance/ObrazKlawiatury.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

QImage RysujObrazKlawiatury() {
    using namespace orbaklaw;
    QImage obraz(RozmiarObrazuKlawiatury, QImage::Format_RGB888);
    QPainter malarz(&obraz);
    malarz.scale(double(RozmiarObrazuKlawiatury.width()) / RozmiarPolaKlawiatury.width(),
                 double(RozmiarObrazuKlawiatury.height()) / RozmiarPolaKlawiatury.height());
    rysunek::RysujKlawiature(malarz, rysunek::Styl::Obudowa);
    return obraz;
}

bool Zapisz(const QImage& obraz, const QString& plik, const char* format, int jakosc = -1) {
    if (obraz.save(plik, format, jakosc))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(plik));
    return false;
}

bool ZapiszBajty(const QByteArray& bajty, const QString& plik) {
    QFile f(plik);
    if (f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(plik));
    return false;
}

bool ZapiszAni(const std::string& ani, const QString& plik) {
    QFile f(plik);
    if (f.open(QIODevice::WriteOnly) &&
        f.write(ani.data(), static_cast<qint64>(ani.size())) == static_cast<qint64>(ani.size()))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(plik));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication aplikacja(argc, argv);
    const QStringList argumenty = aplikacja.arguments();
    if (argumenty.size() == 4 && argumenty[1] == QStringLiteral("--porownaj"))
        return orbaklaw::rysunek::TenSamObraz(argumenty[2], argumenty[3]) ? 0 : 1;
    if (argumenty.size() < 2) {
        std::fprintf(stderr, "usage: orbaklaw_rysuj_obrazy OUTPUT-FOLDER [--podglad]\n");
        return 2;
    }
    const QDir katalog(argumenty[1]);
    const bool podglad = argumenty.contains(QStringLiteral("--podglad"));
    const QImage klawiatura = RysujObrazKlawiatury();
    const QImage wkladka = orbaklaw::rysunek::RysujWkladke();
    bool dobrze = Zapisz(klawiatura, katalog.filePath(QStringLiteral("klawiatura.jpg")), "JPG", 92);
    dobrze = Zapisz(wkladka, katalog.filePath(QStringLiteral("wkladka.bmp")), "BMP") && dobrze;
    const std::string ani =
        orbaklaw::rysunek::PlikAniZKlatek(orbaklaw::rysunek::KlatkiKlepsydry(), QPoint(15, 15), 8);
    dobrze = ZapiszAni(ani, katalog.filePath(QStringLiteral("hourglas.ani"))) && dobrze;
    dobrze = ZapiszBajty(orbaklaw::rysunek::IkonaSvg(),
                         katalog.filePath(QStringLiteral("orbaklaw.svg"))) &&
             dobrze;
    // The size of the folder the PNG is installed in (icons/hicolor/256x256).
    dobrze = Zapisz(orbaklaw::rysunek::IkonaPng(256),
                    katalog.filePath(QStringLiteral("orbaklaw.png")), "PNG") &&
             dobrze;
    if (podglad) {
        dobrze =
            Zapisz(klawiatura, katalog.filePath(QStringLiteral("klawiatura.png")), "PNG") && dobrze;
        dobrze = Zapisz(wkladka, katalog.filePath(QStringLiteral("wkladka.png")), "PNG") && dobrze;
        dobrze = Zapisz(orbaklaw::rysunek::PodgladOkna(klawiatura),
                        katalog.filePath(QStringLiteral("podglad_okno.png")), "PNG") &&
                 dobrze;
        dobrze = Zapisz(orbaklaw::rysunek::PodgladWkladki(wkladka),
                        katalog.filePath(QStringLiteral("podglad_wkladka.png")), "PNG") &&
                 dobrze;
        const QByteArray bajty(ani.data(), static_cast<qsizetype>(ani.size()));
        dobrze = Zapisz(orbaklaw::rysunek::PodgladKursora(bajty),
                        katalog.filePath(QStringLiteral("podglad_klepsydra.png")), "PNG") &&
                 dobrze;
    }
    return dobrze ? 0 : 1;
}
