#include "OknoZKasa.h"

#include "comm/BibliotekaKasdrv.h"
#include "comm/PlikZapytania.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "format/PlikDefinicji.h"
#include "ui/Tekst1250.h"
#include "widgets/GrupaRadiowa.h"

#include <QDir>

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace Qt::StringLiterals;

namespace orbaklaw {

namespace fs = std::filesystem;

void OknoZKasa::SetUp() {
    // Backups go to the test's own folder, never to the user's.
    setenv("ORBAKLAW_KOPIE", (kasa.Folder() / "kopie").c_str(), 1);
    kasa.Uruchom({"--no-pacing", "--state", kasa.Stan()});
    kasa.Konfiguracja(1);
    OknoTestowe::SetUp();
}

void OknoZKasa::ZapiszWKasie(const TabliceKlawiszy& t) {
    EXPECT_TRUE(ZapiszPlikDefinicji(t, "wzor.txt", "01"));
    ASSERT_EQ(BibliotekaKasdrv().ZDefKlaw("wzor.txt"), 0);
    fs::remove("wzor.txt");
}

TabliceKlawiszy OknoZKasa::CzytajZKasy() {
    TabliceKlawiszy t;
    EXPECT_TRUE(UtworzPlikWejsciowy("kontrola.@#$", 1));
    EXPECT_EQ(BibliotekaKasdrv().ODefKlaw("kontrola.@#$", "kontrola.txt"), 0);
    EXPECT_TRUE(CzytajPlikDefinicji(t, "kontrola.txt")->poprawny);
    fs::remove("kontrola.@#$");
    fs::remove("kontrola.txt");
    return t;
}

TabliceKlawiszy OknoZKasa::Przyklad() {
    TabliceKlawiszy t;
    t.KlawiszeBezp[0] = {0, Towar, 0, 12, 1, 0, 1, 0};
    t.KlawiszeBezp[1] = {0, Funkcja, 5, 0, 0, 0, 0, 0};
    t.KlawiszeBezp[9] = {0, Platnosc, 8, 0, 0, 0, 0, 1050};
    t.KlawiszeBezp[18] = {0, Towar, 0, 511, 0, 1, 0, 0};
    t.KlawiszeLewyAlt[3] = {0, Funkcja, 19, 0, 0, 0, 0, 0};
    t.KlawiszeLewyAlt[12] = {0, Platnosc, 2, 0, 0, 0, 0, 0};
    t.KlawiszePrawyAlt[0] = {0, Platnosc, 0, 0, 0, 0, 0, 99999};
    t.KlawiszePrawyAlt[18] = {0, Funkcja, 1, 0, 0, 0, 0, 0};
    t.KlawiszeObaAlt[8] = {0, Towar, 0, 1, 1, 1, 1, 0};
    return t;
}

TabliceKlawiszy OknoZKasa::Znaczenie(const TabliceKlawiszy& t) {
    TabliceKlawiszy z;
    for (const auto& k : KolejnoscKlawiszy()) {
        DefinicjaKlawisza& w = z.Rekord(k.miejsce);
        w = PolaRodzaju(t.Rekord(k.miejsce));
        w.KodKlawisza = 0;
    }
    return z;
}

QString OknoZKasa::BrakPortu(bool zajety) const {
    const QString port = QString::fromStdString(kasa.Link());
    return (zajety ? u"Urządzenie "_s + port + u" jest zajęte przez inny program."_s
                   : u"Nie ma urządzenia "_s + port + u"."_s) +
           u"\r"_s + KomunikatKodu(20);
}

QString OknoZKasa::PytanieBezOdczytu(const QString& powod) {
    return u"Nie udało się odczytać definicji klawiszy z kasy, więc nie ma ich listy ani "
           u"kopii zapasowej:\r"_s +
           powod + u"\rCzy skasować wszystkie definicje klawiszy w kasie?"_s;
}

QString OknoZKasa::KomunikatKodu(uint8_t kod) {
    return Z1250(KomunikatBledu(kod));
}

QString OknoZKasa::PytanieKopii(const QString& powod, bool kasowanie) {
    return u"Nie udało się zachować kopii zapasowej definicji klawiszy z kasy:\r"_s + powod +
           (kasowanie ? u"\rCzy mimo to skasować definicje klawiszy w kasie?"_s
                      : u"\rCzy mimo to zapisać definicje klawiszy do kasy?"_s);
}

std::string OknoZKasa::Plik(const std::string& nazwa) {
    std::ifstream we(nazwa, std::ios::binary);
    std::ostringstream tresc;
    tresc << we.rdbuf();
    return tresc.str();
}

QString OknoZKasa::NajnowszaKopia() {
    std::filesystem::path najnowsza;
    std::error_code ec;
    for (const auto& w : std::filesystem::directory_iterator(std::getenv("ORBAKLAW_KOPIE"), ec))
        if (najnowsza.empty() || w.path().filename() > najnowsza.filename())
            najnowsza = w.path();
    return QDir::toNativeSeparators(
        QString::fromStdString(std::filesystem::absolute(najnowsza).string()));
}

QString OknoZKasa::Sprawdzono() {
    return u"\rDefinicje w kasie sprawdzono: są takie, jakie miały być.\rKopia zapasowa: "_s +
           NajnowszaKopia();
}

bool OknoZKasa::Istnieje(const std::string& nazwa) {
    return fs::exists(nazwa);
}

void OknoZKasa::Zablokuj(const std::string& nazwa) {
    fs::create_directory(nazwa);
    std::ofstream(fs::path(nazwa) / "x") << "x";
}

void OknoZKasa::PokazPole(int wariant, const char* pole) {
    if (Grupa("rgAlty")->ItemIndex() != wariant)
        UstawWariant(wariant);
    const QLineEdit* p = Pole(pole);
    Nacisnij(p->x(), p->y());
}

} // namespace orbaklaw
