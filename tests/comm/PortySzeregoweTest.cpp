// "Kasa" / "Porty szeregowe...": a device assigned to a COM port in the
// dialog is where the program's link test and orbaklaw-cli both find the
// register.

#include "KasaTestowa.h"

#include "comm/OknoPortow.h"
#include "comm/TOknoKomunik.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

#include <cstdlib>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

using PortySzeregowe = KasaTestowa;

TEST_F(PortySzeregowe, AMappingMadeInTheDialogReachesTheRegisterFromTheWindowAndTheCli) {
    Uruchom();
    const auto konfiguracja = kasa->Folder() / "konfiguracja";
    setenv("XDG_CONFIG_HOME", konfiguracja.c_str(), 1);
    unsetenv("ORBAKLAW_COM1");
    unsetenv("ORBAKLAW_COM3");
    const QString link = QString::fromStdString(kasa->Link());

    // Alt+K, P, then the device typed for COM3 and Enter.
    dialogi.okna.push_back([link](QDialog& d) {
        auto& o = dynamic_cast<OknoPortow&>(d);
        EXPECT_EQ(o.Port(3)->lineEdit()->placeholderText(), u"/dev/ttyS2 (domyślnie)");
        o.Port(3)->setFocus();
        QTest::keyClicks(o.Port(3)->lineEdit(), link);
        QTest::keyClick(o.Port(3), Qt::Key_Return);
        EXPECT_EQ(o.result(), QDialog::Accepted);
    });
    QTest::keyClick(okno.get(), Qt::Key_K, Qt::AltModifier);
    auto* kasaMenu = Kontrolka<QMenu>("MenuKasa");
    ASSERT_TRUE(QTest::qWaitFor([kasaMenu] { return kasaMenu->isVisible(); }, 2000));
    QTest::keyClick(kasaMenu, Qt::Key_P);
    ASSERT_EQ(dialogi.pokazaneOkna, 1);
    EXPECT_EQ(Plik("konfiguracja/orbaklaw/porty.txt"),
              "# orbaklaw: urzadzenia portow COM, wiersze COM<n>=<urzadzenie>\r\nCOM3=" +
                  kasa->Link() + "\r\n");

    // The communication dialog shows the device beside the port; "Połącz" reaches it.
    OtworzOkno([link](TOknoKomunik& o) {
        EXPECT_EQ(o.UrzadzenieCOM->text(), u"COM1: /dev/ttyS0 (domyślnie)");
        o.seCOM->setValue(3);
        EXPECT_EQ(o.UrzadzenieCOM->text(), u"COM3: "_s + link);
        Polacz(o);
    });
    EXPECT_EQ(dialogi.Teksty(), QStringList{u"Połączenie poprawne - kasa :VARKO ORBA"_s});
    EXPECT_EQ(Plik("KONFIG.TXT"), "$1\tcom3:9600:mux0:1\t2\r\n");

    // The CLI reads the same assignment.
    const std::string polecenie = std::string(ORBAKLAW_CLI) + " test > cli.txt 2>&1";
    EXPECT_EQ(std::system(polecenie.c_str()), 0) << Plik("cli.txt");
    EXPECT_NE(Plik("cli.txt").find("ORBA"), std::string::npos) << Plik("cli.txt");
    unsetenv("XDG_CONFIG_HOME");
}
