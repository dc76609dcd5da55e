#include "KasaTestowa.h"

#include "comm/PolaczenieZKasa.h"
#include "comm/TOknoKomunik.h"
#include "files/PlikTekstowy.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace orbaklaw {

void KasaTestowa::SetUp() {
    // The working folder first: the window takes the current directory.
    kasa = std::make_unique<testy::SrodowiskoKasy>();
    // Backups go to the test's own folder, never to the user's.
    setenv("ORBAKLAW_KOPIE", (kasa->Folder() / "kopie").c_str(), 1);
    OknoTestowe::SetUp();
    okno->Komunikacja().UtworzOknoKomunik();
}

void KasaTestowa::TearDown() {
    OknoTestowe::TearDown();
    kasa.reset();
}

void KasaTestowa::Uruchom(std::vector<std::string> opcje) {
    opcje.push_back("--no-pacing");
    kasa->Uruchom(opcje);
}

TOknoKomunik& KasaTestowa::Okno() const {
    return okno->Komunikacja().OknoKomunik();
}

void KasaTestowa::OtworzOkno(std::function<void(TOknoKomunik&)> skrypt) {
    dialogi.okna.push_back([skrypt](QDialog& d) { skrypt(dynamic_cast<TOknoKomunik&>(d)); });
    OknoTestowe::Kliknij("Button4");
}

void KasaTestowa::Polacz(TOknoKomunik& o, int timeout) {
    o.WartoscTimeout->setValue(timeout);
    Kliknij(o.KlawPolacz);
}

void KasaTestowa::Kliknij(QWidget* przycisk) {
    QTest::mouseClick(przycisk, Qt::LeftButton);
}

bool KasaTestowa::Istnieje(const std::string& nazwa) const {
    return std::filesystem::exists(kasa->Folder() / nazwa);
}

std::string KasaTestowa::Plik(const std::string& nazwa) const {
    std::ifstream plik(kasa->Folder() / nazwa, std::ios::binary);
    std::ostringstream tresc;
    tresc << plik.rdbuf();
    return tresc.str();
}

void KasaTestowa::Zapisz(const std::string& nazwa, const std::string& tresc) const {
    EXPECT_TRUE(ZapiszAtomowo(kasa->Folder() / nazwa, tresc));
}

} // namespace orbaklaw
