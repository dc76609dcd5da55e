// orbaklaw: defines the programmable keys of an ORBA cash register and
// designs the insert that labels them.

#include "app/Czcionki.h"
#include "app/DialogiQt.h"
#include "app/KursorKlepsydry.h"
#include "app/StylPodpowiedzi.h"
#include "app/TCiaOnlyOne.h"
#include "app/Unit3.h"
#include "app/Uruchomienie.h"

#include <QApplication>

using namespace orbaklaw;

int main(int argc, char* argv[]) {
    QApplication aplikacja(argc, argv);
    aplikacja.setApplicationName(QString::fromLatin1(TytulProgramu));
    aplikacja.setStyle(new StylPodpowiedzi(QStringLiteral("Fusion")));
    UstawZastepstwaCzcionek();

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
    okno.Klepsydra().WczytajZBiezacegoKatalogu(); // a missing file keeps the standard one
    dialogi.UstawRodzica(&okno);
    okno.Wysrodkuj();
    okno.show();
    return UruchomPoOknieGlownym(okno, [&aplikacja] { return aplikacja.exec(); });
}
