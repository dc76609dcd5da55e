// The file dialogs open where a file of their kind was last chosen, also
// after the program was closed and started again; the folders are kept in
// one small file of the user's settings.

#include "OknoTestowe.h"

#include "platform/Srodowisko.h"
#include "tests/support/KatalogTymczasowy.h"

#include <QDir>

#include <filesystem>

using namespace orbaklaw;
using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

using FolderyDialogowOkna = OknoTestowe;

TEST_F(FolderyDialogowOkna, EachKindOfFileOpensWhereItWasLastChosenAfterARestart) {
    const test::KatalogTymczasowy pliki;
    // Names as UTF-8 in the source, paths as Qt spells them, on any system.
    const auto w = [&pliki](const char* nazwa) {
        return pliki.sciezka() / std::u8string(reinterpret_cast<const char8_t*>(nazwa));
    };
    fs::create_directory(w("definicje"));
    fs::create_directory(w("wkładki"));
    const auto sciezka = [&w](const char* nazwa) {
        return QDir::fromNativeSeparators(QString::fromStdU16String(w(nazwa).u16string()));
    };
    // A definition file chosen in one folder, an insert saved in another.
    dialogi.pliki.push_back(sciezka("definicje/plan.txt"));
    Kliknij("bZapisPlik");
    dialogi.pliki.push_back(sciezka("wkładki/plan.bmp"));
    Kliknij("BitBtn1");

    okno.reset(); // the program ends
    dialogi.komunikaty.clear();
    okno = std::make_unique<TForm3>(dialogi);
    for (const DialogPliku* d : {&okno->OKlawisze, &okno->zklawisze})
        EXPECT_EQ(d->folder, sciezka("definicje"));
    for (const DialogPliku* d : {&okno->Save, &okno->oBitmapa})
        EXPECT_EQ(d->folder, sciezka("wkładki"));

    // A remembered folder that is gone: the working folder, as at a first start.
    fs::remove_all(w("wkładki"));
    okno.reset();
    okno = std::make_unique<TForm3>(dialogi);
    EXPECT_EQ(okno->Save.folder, QDir::currentPath());
    EXPECT_EQ(okno->OKlawisze.folder, sciezka("definicje"));
}
