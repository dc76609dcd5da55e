// The key listing names where the tables it lists come from: what they were
// last read from, loaded from or written to, and whether they were changed
// since.

#include "OknoZKasa.h"

#include "format/PlikDefinicji.h"
#include "transfer/MenuListyKlawiszy.h"
#include "transfer/OknoKopii.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

#include <functional>
#include <string>
#include <vector>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace fs = std::filesystem;

using ZrodloListy = OknoZKasa;

TEST_F(ZrodloListy, TheListingNamesWhatTheTablesLastCameFromOrWentTo) {
    ZapiszWKasie(Przyklad());
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(kasa.Folder().string()));
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    const auto zmien = [] { Stan().tablice.KlawiszeBezp[3] = {0, Funkcja, 7, 0, 0, 0, 0, 0}; };
    struct Krok {
        const char* co;
        std::function<void()> zrob;
        std::function<QString()> zrodlo;
    };
    const std::vector<Krok> kroki{
        {"register read", [this] { Kliknij("bOdczyt"); }, [] { return u"odczyt z kasy nr 01"_s; }},
        {"edited", zmien, [] { return u"odczyt z kasy nr 01, potem zmienione"_s; }},
        {"file load",
         [this, folder] {
             dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // the unsaved change may go
             dialogi.pliki.push_back(folder + u"/moje.txt"_s);
             Kliknij("bOdczytPlik");
         },
         [folder] { return u"plik "_s + folder + u"/moje.txt"_s; }},
        {"edited and written to the register",
         [this, zmien] {
             zmien();
             dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // the change list
             Kliknij("bZapis");
         },
         [] { return u"zapis do kasy nr 01"_s; }},
        {"backup load",
         [this] {
             dialogi.okna.push_back([](QDialog& d) {
                 auto& o = dynamic_cast<OknoKopii&>(d);
                 o.findChild<QPushButton*>(u"Wczytaj"_s)->click();
             });
             okno->findChild<QAction*>(u"KopieZapasowe"_s)->trigger();
         },
         [] { return u"kopia zapasowa "_s + NajnowszaKopia(); }},
        {"edited", zmien,
         [] { return u"kopia zapasowa "_s + NajnowszaKopia() + u", potem zmienione"_s; }},
        {"written to a file",
         [this, folder] {
             dialogi.pliki.push_back(folder + u"/inne.txt"_s);
             Kliknij("bZapisPlik");
         },
         [folder] { return u"zapis do pliku "_s + folder + u"/inne.txt"_s; }},
    };
    for (const auto& k : kroki) {
        SCOPED_TRACE(k.co);
        k.zrob();
        const auto* lista = okno->findChild<MenuListyKlawiszy*>();
        ASSERT_NE(lista, nullptr);
        EXPECT_EQ(QString::fromStdString(lista->Lista().naglowek.zrodlo), k.zrodlo());
        EXPECT_TRUE(dialogi.odpowiedzi.empty());
        dialogi.komunikaty.clear();
    }
}
