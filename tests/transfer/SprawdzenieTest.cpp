// After the register took a write or a deletion it is read back: the user
// learns that it was checked and where the backup is, or which keys differ.

#include "OknoZKasa.h"

#include "format/KodyKlawiszy.h"

#include <QDir>

#include <filesystem>
#include <string>
#include <vector>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace fs = std::filesystem;

namespace {

// The one backup in the test's folder, as the window names it.
QString JedynaKopia() {
    std::vector<fs::path> pliki;
    std::error_code ec;
    for (const auto& w : fs::directory_iterator(fs::current_path() / "kopie", ec))
        pliki.push_back(w.path());
    return pliki.size() == 1 ? QDir::toNativeSeparators(QString::fromStdString(pliki[0].string()))
                             : u"(%1 kopii)"_s.arg(pliki.size());
}

} // namespace

using Sprawdzenie = OknoZKasa;

TEST_F(Sprawdzenie, TheRegisterIsReadBackAfterAWriteAndADeletion) {
    // The tables differ from the register in their first key (F1 of no
    // ALT): a function instead of goods.
    TabliceKlawiszy nowe = Przyklad();
    nowe.Rekord(KolejnoscKlawiszy()[0].miejsce) = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    struct Przypadek {
        const char* nazwa;
        std::vector<std::string> opcje; // orba-emu's, beside its state
        const char* przycisk;
        Ikona ikona;
        QString tekst; // "%1" the backup's path
    };
    const std::vector<Przypadek> przypadki{
        {"write, the register holds what was sent",
         {},
         "bZapis",
         Ikona::Brak,
         u"Definicje klawiszy zapisano do kasy i do pliku klawisz.txt\r"
         "Definicje w kasie sprawdzono: są takie, jakie miały być.\rKopia zapasowa: %1"_s},
        {"write, the register kept an old record",
         {"--fault", "stale-key"},
         "bZapis",
         Ikona::Blad,
         u"Definicje w kasie różnią się od tych, jakie miały być (klawiszy: 1):\r"
         "F1: 1 - TOWAR: towar 12: Sprzedaż jednej sztuki, Zakończenie paragonu "
         "zamiast 2 - FUNKCJA: 07   ZESTAW RAPORTÓW\r"
         "Kopia zapasowa: %1"_s},
        {"deletion",
         {},
         "bKasowanie",
         Ikona::Brak,
         u"Skasowano definicje klawiszy\r"
         "Definicje w kasie sprawdzono: są takie, jakie miały być.\rKopia zapasowa: %1"_s},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        std::vector<std::string> opcje{"--no-pacing", "--state", kasa.Stan()};
        opcje.insert(opcje.end(), p.opcje.begin(), p.opcje.end());
        kasa.Uruchom({"--no-pacing", "--state", kasa.Stan()});
        ZapiszWKasie(Przyklad());
        kasa.Uruchom(opcje);
        fs::remove_all("kopie");
        Stan().tablice = nowe;
        dialogi.komunikaty.clear();
        dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // to the change list or the deletion
        Kliknij(p.przycisk);
        ASSERT_FALSE(dialogi.komunikaty.empty());
        EXPECT_EQ(dialogi.komunikaty.back().tekst, p.tekst.arg(JedynaKopia()));
        EXPECT_EQ(dialogi.komunikaty.back().ikona, p.ikona);
        EXPECT_EQ(Stan().KodBledu, 0) << "the register took it";
    }
}
