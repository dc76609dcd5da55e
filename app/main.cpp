// orbaklaw: defines the programmable keys of an ORBA cash register and
// designs the insert that labels them.

#include "app/TCiaOnlyOne.h"
#include "app/TlumaczenieQt.h"
#include "app/Unit3.h"
#include "app/Uruchomienie.h"
#include "app/UzupelnienieTlumaczenia.h"
#include "comm/FolderyProgramu.h"
#include "generated/WersjaProgramu.h"
#include "ui/Czcionki.h"
#include "ui/DialogiQt.h"
#include "ui/SciezkaSystemu.h"
#include "widgets/KursorKlepsydry.h"
#include "widgets/StylPodpowiedzi.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstring>

using namespace orbaklaw;

int main(int argc, char* argv[]) {
    // Answered before the window system is needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("orbaklaw %s\n", WersjaProgramu);
        return 0;
    }
    UstawPolskiRegionQt();
    QApplication aplikacja(argc, argv);
    PrzywrocRegionC();
    aplikacja.setApplicationName(QString::fromLatin1(TytulProgramu));
    aplikacja.setStyle(new StylPodpowiedzi(QStringLiteral("Fusion")));
    UstawZastepstwaCzcionek();
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator tlumaczenieQt; // Qt's own dialogs in Polish
    if (WczytajTlumaczenieQt(tlumaczenieQt))
        QApplication::installTranslator(&tlumaczenieQt);
    UzupelnienieTlumaczenia uzupelnienie; // what Qt's translation lacks
    QApplication::installTranslator(&uzupelnienie);

    DialogiQt dialogi;
    // Every user action in the window runs through its action wrapper, which
    // hands what it throws to ObslugaWyjatku.
    TForm3 okno(dialogi);
    // A second copy brings the running one forward and ends here, before it
    // could ask anything or talk to the register.
    TCiaOnlyOne CiaOnlyOne1;
    CiaOnlyOne1.Unique = QStringLiteral("VARKOORBA123");
    CiaOnlyOne1.Loaded(&okno);
    if (CiaOnlyOne1.AlreadyRunning)
        return 0;
    // A missing file keeps the standard cursor; an installed program falls
    // back to the one in its data folder.
    okno.Klepsydra().WczytajZBiezacegoKataloguLub(SciezkaQt(FolderDanychProgramu()));
    dialogi.UstawRodzica(&okno);
    okno.Wysrodkuj();
    okno.show();
    return UruchomPoOknieGlownym(okno, [&aplikacja] { return aplikacja.exec(); });
}
