// "Pomoc" → "O programie..." names the version and the register libraries the
// program takes, with their paths, in one information box.
#include "OknoTestowe.h"

#include "app/OProgramie.h"
#include "comm/FolderyProgramu.h"
#include "platform/NazwyBibliotek.h"
#include "ui/SciezkaSystemu.h"

#include <QAction>
#include <QMenuBar>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

using OProgramie = OknoTestowe;

TEST_F(OProgramie, TheBoxNamesTheVersionAndEachLibraryWithItsPath) {
    okno->PasekMenu()->findChild<QAction*>(u"aOProgramie"_s)->trigger();
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    const OknoKomunikatu& k = dialogi.komunikaty[0];
    EXPECT_EQ(k.tytul, u"O programie"_s);
    EXPECT_EQ(k.ikona, Ikona::Informacja);
    const auto linia = [&](const char* nazwa) {
        return QString::fromLatin1(nazwa) + u": "_s + SciezkaQt(FolderProgramu() / nazwa) +
               u"\n    biblioteka programu orbaklaw 1.50 (łączy się z emulatorem kasy orba-emu)"_s;
    };
    EXPECT_EQ(k.tekst,
              u"orbaklaw 1.50\nDefiniowanie klawiszy w kasie VARKO ORBA\n\nBiblioteki kasy:\n"_s +
                  linia(NazwaBibliotekiKasdrv) + u"\n"_s + linia(NazwaBibliotekiKomPort));
}

TEST(TekstOProgramie, AnotherOrAMissingLibraryIsSaidSo) {
    OpisBiblioteki obca{"KASDRV.DLL", "C:/orbaklaw/KASDRV.DLL", OpisBiblioteki::Rodzaj::Obca, "",
                        ""};
    OpisBiblioteki brak{"KomPort.dll", "C:/orbaklaw/KomPort.dll", OpisBiblioteki::Rodzaj::Brak, "",
                        "Nie można odnaleźć określonego modułu.\r\n"};
    EXPECT_EQ(TekstOProgramie(obca, brak),
              u"orbaklaw 1.50\nDefiniowanie klawiszy w kasie VARKO ORBA\n\nBiblioteki kasy:\n"
              "KASDRV.DLL: C:/orbaklaw/KASDRV.DLL\n    biblioteka producenta kasy\n"
              "KomPort.dll: C:/orbaklaw/KomPort.dll\n    nie można jej wczytać: Nie można "
              "odnaleźć określonego modułu."_s);
}
