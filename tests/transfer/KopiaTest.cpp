// The backup taken before every write into the register and every
// deletion: the register's definitions as they were, kept as a definition
// file in the backup folder; a backup that can't be taken asks first.

#include "OknoZKasa.h"

#include "comm/BibliotekaKasdrv.h"
#include "comm/PolaczenieZKasa.h"
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "transfer/TransferDefinicji.h"
#include "ui/Tekst1250.h"

#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace fs = std::filesystem;

namespace {

fs::path Kopie() {
    return fs::current_path() / "kopie";
}

std::vector<fs::path> PlikiKopii() {
    std::vector<fs::path> pliki;
    std::error_code ec;
    for (const auto& w : fs::directory_iterator(Kopie(), ec))
        pliki.push_back(w.path());
    std::sort(pliki.begin(), pliki.end());
    return pliki;
}

const QString PytanieKasowania = u"Czy skasować wszystkie definicje klawiszy w kasie?"_s;

} // namespace

using Kopia = OknoZKasa;

// Write, then delete: before each, what the register held is kept.
TEST_F(Kopia, EveryWriteAndDeleteKeepsTheRegistersPreviousDefinitions) {
    ZapiszWKasie(Przyklad());
    TabliceKlawiszy nowe;
    nowe.KlawiszeBezp[4] = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    nowe.KlawiszeLewyAlt[15] = {0, Towar, 0, 33, 0, 1, 0, 0};
    Stan().tablice = nowe;
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // to the keys the write changes
    Kliknij("bZapis");
    ASSERT_EQ(Stan().KodBledu, 0) << dialogi.Teksty().join(u'|').toStdString();
    auto pliki = PlikiKopii();
    ASSERT_EQ(pliki.size(), 1u);
    const fs::path pierwsza = pliki[0];
    EXPECT_TRUE(QRegularExpression(u"^kasa01-\\d{8}-\\d{6}\\.txt$"_s)
                    .match(QString::fromStdString(pliki[0].filename().string()))
                    .hasMatch())
        << pliki[0];
    TabliceKlawiszy kopia;
    ASSERT_TRUE(CzytajPlikDefinicji(kopia, pliki[0])->poprawny);
    EXPECT_EQ(Znaczenie(kopia), Znaczenie(Przyklad())) << "the definitions before the write";
    EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(nowe)) << "and the write went through";

    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    Kliknij("bKasowanie");
    ASSERT_EQ(Stan().KodBledu, 0) << dialogi.Teksty().join(u'|').toStdString();
    pliki = PlikiKopii();
    ASSERT_EQ(pliki.size(), 2u);
    const fs::path druga = pliki[0] == pierwsza ? pliki[1] : pliki[0];
    TabliceKlawiszy przedKasowaniem;
    ASSERT_TRUE(CzytajPlikDefinicji(przedKasowaniem, druga)->poprawny);
    EXPECT_EQ(Znaczenie(przedKasowaniem), Znaczenie(nowe)) << "the definitions before the deletion";
    EXPECT_FALSE(Istnieje("123.@#$"));
}

namespace {
// A register whose read fails; writes and deletions are counted.
std::atomic<int> zapisy = 0;
uint8_t KASDRV_WYWOLANIE OdczytNieudany(const char*, const char*) {
    return 21;
}
uint8_t KASDRV_WYWOLANIE Zapis(const char*) {
    ++zapisy;
    return 0;
}
} // namespace

// A backup that can't be taken asks before anything is written; Enter (the
// default) or "Nie" sends nothing, "Tak" goes on without the backup.
TEST_F(Kopia, AFailedBackupAsksBeforeAnythingIsWritten) {
    FunkcjeKasdrv f;
    f.ODefKlaw = OdczytNieudany;
    f.ZDefKlaw = Zapis;
    f.KDefKlaw = Zapis;
    okno->Komunikacja().Biblioteki().UzyjKasdrv(f);
    for (const char* przycisk : {"bZapis", "bKasowanie"}) {
        for (const Odpowiedz odpowiedz : {Odpowiedz::Nie, Odpowiedz::Tak}) {
            const bool kasowanie = std::string(przycisk) == "bKasowanie";
            SCOPED_TRACE(std::string(przycisk) + (odpowiedz == Odpowiedz::Tak ? " Tak" : " Nie"));
            zapisy = 0;
            dialogi.komunikaty.clear();
            dialogi.odpowiedzi.push_back(odpowiedz);
            Kliknij(przycisk);
            ASSERT_GE(dialogi.komunikaty.size(), 1u);
            // A deletion that could not read the register says so in its one question.
            const auto& pytanie = dialogi.komunikaty[0];
            EXPECT_EQ(pytanie.przyciski, Przyciski::TakNie);
            EXPECT_EQ(pytanie.ikona, Ikona::Pytanie);
            EXPECT_EQ(pytanie.domyslna, Odpowiedz::Nie);
            EXPECT_TRUE(pytanie.tekst.startsWith(kasowanie ? u"Nie udało się odczytać definicji"_s
                                                           : u"Nie udało się zachować kopii"_s))
                << pytanie.tekst.toStdString();
            EXPECT_TRUE(pytanie.tekst.contains(KomunikatKodu(21).section(u'\r', 0, 0)))
                << "says why";
            EXPECT_EQ(zapisy, odpowiedz == Odpowiedz::Tak ? 1 : 0);
            EXPECT_TRUE(PlikiKopii().empty());
        }
    }
}

// A backup folder that can't be made is a failed backup too.
TEST_F(Kopia, ABackupFolderThatCannotBeMadeAsks) {
    Zablokuj("zablokowany");
    setenv("ORBAKLAW_KOPIE", (fs::current_path() / "zablokowany" / "x" / "kopie").c_str(), 1);
    ZapiszWKasie(Przyklad());
    Stan().tablice = TabliceKlawiszy{};
    dialogi.odpowiedzi.push_back(Odpowiedz::Nie);
    Kliknij("bZapis");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.startsWith(u"Nie udało się zachować kopii"_s));
    EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(Przyklad())) << "nothing was written";
}

// A backup that fails because another program holds the port says so, not
// only that the register did not answer.
TEST_F(Kopia, ABackupRefusedForAPortInUseNamesTheReason) {
    const int port = ::open(kasa.Link().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(port, 0);
    ASSERT_EQ(::flock(port, LOCK_EX | LOCK_NB), 0);
    dialogi.odpowiedzi.push_back(Odpowiedz::Nie);
    Kliknij("bZapis");
    ::close(port);
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    const QString& pytanie = dialogi.komunikaty[0].tekst;
    EXPECT_TRUE(pytanie.contains(u"Urządzenie "_s + QString::fromStdString(kasa.Link()) +
                                 u" jest zajęte przez inny program."_s))
        << pytanie.toStdString();
}

// A write or a deletion whose reply was lost or broken: the register's
// definitions are read back once, and what they are decides what the
// window says.
TEST_F(Kopia, AChangeWithoutAnAnswerIsJudgedByWhatTheRegisterHolds) {
    TabliceKlawiszy nowe;
    nowe.KlawiszeBezp[4] = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    nowe.KlawiszeLewyAlt[15] = {0, Towar, 0, 33, 0, 1, 0, 0};
    TabliceKlawiszy skasowane = Przyklad();
    skasowane.WyczyscLiczone();
    struct Przypadek {
        const char* przycisk;
        const char* usterka;
        const char* rozkaz;
        QString mowi;
        TabliceKlawiszy wKasie;
        int kod; // KodBledu: the change's result as the register left it
    };
    for (const auto& p : {
             Przypadek{"bZapis", "hangup", "0x11",
                       u"Kasa nie potwierdziła zapisu, lecz odczytane z niej definicje są nowe: "
                       u"zapis się udał.\rDefinicje klawiszy zapisano do kasy i do pliku "
                       u"klawisz.txt"_s,
                       nowe, 0},
             Przypadek{"bKasowanie", "hangup", "0x12",
                       u"Kasa nie potwierdziła kasowania, lecz odczytane z niej definicje są "
                       u"skasowane: kasowanie się udało.\rSkasowano definicje klawiszy"_s,
                       skasowane, 0},
             Przypadek{"bZapis", "silent", "0x11",
                       KomunikatKodu(21) + u"\rOdczytane z kasy definicje są poprzednie: kasa "
                                           u"nie przyjęła zapisu."_s,
                       Przyklad(), 21},
         }) {
        SCOPED_TRACE(std::string(p.przycisk) + " " + p.usterka);
        kasa.Uruchom({"--no-pacing", "--state", kasa.Stan()});
        ZapiszWKasie(Przyklad());
        kasa.Uruchom({"--no-pacing", "--state", kasa.Stan(), "--fault", p.usterka,
                      "--fault-command", p.rozkaz});
        Stan().tablice = nowe;
        dialogi.komunikaty.clear();
        dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        Kliknij(p.przycisk);
        ASSERT_FALSE(dialogi.komunikaty.empty());
        EXPECT_EQ(dialogi.komunikaty.back().tekst, p.mowi);
        EXPECT_EQ(Stan().KodBledu, p.kod);
        kasa.Uruchom({"--no-pacing", "--state", kasa.Stan()});
        EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(p.wKasie));
    }
}
