// "Odczyt z kasy" and "Odczyt z pliku" against the emulated register.

#include "OknoZKasa.h"

#include "files/OtwarciePliku.h"

#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "format/PlikDefinicji.h"
#include "keys/StanKlawiszy.h"
#include "widgets/GrupaRadiowa.h"
#include "widgets/KursorKlepsydry.h"

#include <QCheckBox>
#include <QDir>

#include <sys/stat.h>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {

// The state a read must not disturb: tables, labels, variant and key shown.
struct Obraz {
    TabliceKlawiszy tablice;
    QStringList etykiety;
    int wariant;
    QString klawisz;
    bool operator==(const Obraz&) const = default;
};

} // namespace

class Odczyt : public OknoZKasa {
protected:
    Obraz Zrzut() {
        QStringList etykiety;
        for (const char* p : {"Edit1", "Edit2", "Edit3", "e5"})
            etykiety << Pole(p)->text();
        return {Stan().tablice, etykiety, Grupa("rgAlty")->ItemIndex(), NazwaKlawisza()};
    }
    // Some definitions (as read before, so a read asks nothing), a typed
    // label and another key shown.
    void StanUzytkownika() {
        Stan().tablice.KlawiszeBezp[2] = {0, Funkcja, 7, 0, 0, 0, 0, 0};
        Stan().tablice.KlawiszeLewyAlt[14] = {0, Platnosc, 1, 0, 0, 0, 0, 250};
        ZapamietajDefinicje(Stan());
        Pole("Edit3")->setText(u"MOJE"_s);
        PokazPole(LewyAlt, "Edit5");
    }
};

// The walk of one request: konfig.txt, "123.@#$", the call, the parse, the window.
TEST_F(Odczyt, FromTheRegisterStepByStep) {
    ZapiszWKasie(Przyklad());
    StanUzytkownika();
    Kliknij("bOdczyt");

    EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join(u'|').toStdString();
    EXPECT_EQ(Stan().NumerKasy, "01");
    EXPECT_EQ(Stan().KodBledu, 0);
    EXPECT_FALSE(Istnieje("123.@#$")) << "the request file is deleted after the call";
    EXPECT_EQ(Plik("klawisz.txt"), TekstPlikuDefinicji(Przyklad(), "01")) << "and stays";
    EXPECT_EQ(Znaczenie(Stan().tablice), Znaczenie(Przyklad()))
        << "keys not in the register are undefined, not what they were";
    EXPECT_EQ(Stan().tablice.KlawiszeObaAlt[8].KodKlawisza, 254) << "read records carry the code";

    EXPECT_EQ(Grupa("rgAlty")->ItemIndex(), Bezp);
    EXPECT_EQ(NazwaKlawisza(), u"F1");
    EXPECT_EQ(Rodzaj(), 1);
    EXPECT_EQ(Wybor("cbTowary")->currentIndex(), 11);
    EXPECT_TRUE(Kontrolka<QCheckBox>("cbPojedynczo")->isChecked());
    EXPECT_FALSE(Kontrolka<QCheckBox>("cbZaplata")->isChecked());
    EXPECT_TRUE(Kontrolka<QCheckBox>("cbParagon")->isChecked());
    EXPECT_EQ(Pole("Edit3")->text(), QString()) << "typed labels give way to the definitions";
    EXPECT_EQ(Pole("Edit2")->text(), u"WPŁATA");
    EXPECT_FALSE(okno->Klepsydra().Widoczny());
}

// D7: a refused register read ends after its message; an old "klawisz.txt"
// is never taken for the register's content.
TEST_F(Odczyt, FailedRegisterReadShowsOnlyItsMessage) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "klawisz.txt", "01"));
    StanUzytkownika();
    const Obraz przed = Zrzut();
    kasa.Zatrzymaj();
    Kliknij("bOdczyt");

    ASSERT_NE(Stan().KodBledu, 0);
    EXPECT_EQ(dialogi.Teksty(), QStringList{BrakPortu()});
    EXPECT_EQ(dialogi.komunikaty[0].tytul, u"Error");
    EXPECT_EQ(Zrzut(), przed);
    EXPECT_FALSE(Istnieje("123.@#$"));
    EXPECT_EQ(*CzytajCalyPlik("klawisz.txt", 1 << 20), TekstPlikuDefinicji(Przyklad(), "01"))
        << "the copy of what was last written stays";
    EXPECT_FALSE(okno->Klepsydra().Widoczny());
}

TEST_F(Odczyt, RegisterThatDoesNotAnswerTimesOut) {
    kasa.Uruchom({"--no-pacing", "--fault", "silent"});
    StanUzytkownika();
    const Obraz przed = Zrzut();
    Kliknij("bOdczyt");
    ASSERT_TRUE(Stan().KodBledu == 20 || Stan().KodBledu == 21) << int(Stan().KodBledu);
    EXPECT_EQ(dialogi.Teksty(), QStringList{KomunikatKodu(Stan().KodBledu)});
    EXPECT_EQ(Zrzut(), przed);
}

// Without konfig.txt: the message (this one without the accent), then the
// communication dialog, then the read with the number the program holds.
TEST_F(Odczyt, MissingConfigurationAsksForItFirst) {
    std::filesystem::remove("KONFIG.TXT");
    Stan().NumerKasy = "01";
    Kliknij("bOdczyt");
    ASSERT_GE(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, u"Należy ustawic parametry komunikacji");
    EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Brak);
    // The library finds no configuration either.
    EXPECT_EQ(dialogi.Teksty().mid(1), QStringList{KomunikatKodu(7)});
}

TEST_F(Odczyt, ConfigurationFoundWhateverItsCase) {
    kasa.Uruchom({"--no-pacing", "--number", "7"});
    kasa.Konfiguracja({"$7\tcom1:9600:mux0:1\t1"});
    std::filesystem::rename("KONFIG.TXT", "konfig.txt");
    Kliknij("bOdczyt");
    EXPECT_EQ(Stan().NumerKasy, "7");
    EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join(u'|').toStdString();
}

TEST_F(Odczyt, RegisterNumberThatIsNotANumberStopsBeforeAnything) {
    kasa.Konfiguracja({"$ab\tcom1:9600:mux0:1\t1"});
    StanUzytkownika();
    const Obraz przed = Zrzut();
    Kliknij("bOdczyt");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.contains(u"'ab'")) << "the exception dialog";
    EXPECT_EQ(dialogi.komunikaty[0].przyciski, Przyciski::TakNie);
    EXPECT_FALSE(Istnieje("123.@#$"));
    EXPECT_EQ(Zrzut(), przed);
}

TEST_F(Odczyt, RequestFileThatCannotBeWritten) {
    Zablokuj("123.@#$");
    StanUzytkownika();
    const Obraz przed = Zrzut();
    Kliknij("bOdczyt");
    EXPECT_EQ(dialogi.Teksty(), QStringList{u"Nie udało się stworzyc pliku wejsciowego"_s});
    EXPECT_EQ(Zrzut(), przed);
    EXPECT_FALSE(Istnieje("RAPORT.TXT")) << "the register is not asked";
}

TEST_F(Odczyt, FromAFileNeedsNoConfigurationNorRegister) {
    std::filesystem::remove("KONFIG.TXT");
    kasa.Zatrzymaj();
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "07"));
    dialogi.pliki.push_back(QString::fromStdString((kasa.Folder() / "moje.txt").string()));
    Kliknij("bOdczytPlik");
    EXPECT_TRUE(dialogi.komunikaty.empty());
    ASSERT_EQ(dialogi.dialogiPlikow.size(), 1u);
    EXPECT_EQ(dialogi.dialogiPlikow[0].filtr, u"Pliki tekstowe|*.txt|Wszystkie pliki|*.*");
    EXPECT_EQ(dialogi.dialogiPlikow[0].domyslneRozszerzenie, u"txt");
    EXPECT_EQ(Znaczenie(Stan().tablice), Znaczenie(Przyklad()));
    for (const char* plik : {"123.@#$", "klawisz.txt", "RAPORT.TXT"})
        EXPECT_FALSE(Istnieje(plik)) << plik;
    EXPECT_EQ(NazwaKlawisza(), u"F1");
}

TEST_F(Odczyt, FileNamingSomeKeysLeavesTheOthersUndefined) {
    StanUzytkownika();
    EXPECT_TRUE(ZapiszAtomowo("czesc.txt", ZlaczLinie({"#01", "#", "#", "$238\t2\t5\t"})));
    dialogi.pliki.push_back(u"czesc.txt"_s);
    Kliknij("bOdczytPlik");
    TabliceKlawiszy oczekiwane;
    oczekiwane.KlawiszeBezp[1] = {0, Funkcja, 5, 0, 0, 0, 0, 0};
    EXPECT_EQ(Znaczenie(Stan().tablice), oczekiwane);
}

TEST_F(Odczyt, CancelledOpenDialogChangesNothing) {
    StanUzytkownika();
    const Obraz przed = Zrzut();
    dialogi.pliki.push_back(std::nullopt);
    Kliknij("bOdczytPlik");
    EXPECT_TRUE(dialogi.komunikaty.empty());
    EXPECT_EQ(Zrzut(), przed);
}

// D7: a bad line anywhere leaves the tables, labels and selection as they were.
TEST_F(Odczyt, BadLineLeavesEverythingAsItWas) {
    const struct {
        const char* linia;
        const char* komunikat;
    } przypadki[] = {
        {"$237\t1\t12\t1\t0\t2", "Błędny format pliku wejsciowego$237\t1\t12\t1\t0\t2"},
        {"", "Błędny format pliku wejsciowego"},
        {"$1\t3\t9\t0\t0", "Błędny format pliku wejsciowego$1\t3\t9\t0\t0"},
        {"$239\t7", "Błędny format pliku wejsciowego$239\t7"},
    };
    StanUzytkownika();
    const Obraz przed = Zrzut();
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.linia);
        dialogi.komunikaty.clear();
        EXPECT_TRUE(ZapiszAtomowo(
            "zly.txt", ZlaczLinie({"#01", "#", "#", "$238\t2\t5\t", p.linia, "$240\t0"})));
        dialogi.pliki.push_back(u"zly.txt"_s);
        Kliknij("bOdczytPlik");
        EXPECT_EQ(dialogi.Teksty(), QStringList{QString::fromUtf8(p.komunikat)});
        EXPECT_EQ(Zrzut(), przed);
    }
}

TEST_F(Odczyt, FileThatCannotBeReadGoesToTheErrorHandlerAndChangesNothing) {
    StanUzytkownika();
    const Obraz przed = Zrzut();
    dialogi.pliki.push_back(u"nie-ma-takiego.txt"_s);
    Kliknij("bOdczytPlik");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.startsWith(u"Wystąpił wyjątek"));
    EXPECT_EQ(Zrzut(), przed);
}

// A file in a folder named with Polish letters is read; one that is not
// there is named in the error report as the user chose it.
TEST_F(Odczyt, FromAFileInAFolderWithPolishLetters) {
    std::filesystem::create_directory("Wkładki");
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "Wkładki/zażółć.txt", "07"));
    dialogi.pliki.push_back(QDir::current().absoluteFilePath(u"Wkładki/zażółć.txt"_s));
    Kliknij("bOdczytPlik");
    EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join(u'|').toStdString();
    EXPECT_EQ(Znaczenie(Stan().tablice), Znaczenie(Przyklad()));

    const QString brak = QDir::current().absoluteFilePath(u"Wkładki/brak.txt"_s);
    dialogi.pliki.push_back(brak);
    Kliknij("bOdczytPlik");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(
        dialogi.komunikaty[0].tekst.contains(brak + u": Nie ma takiego pliku ani katalogu"_s))
        << dialogi.komunikaty[0].tekst.toStdString();
}

// A FIFO chosen in the open dialog is refused at once (nothing waits for a
// writer) and changes nothing.
TEST_F(Odczyt, AFifoIsRefusedWithoutWaiting) {
    StanUzytkownika();
    const Obraz przed = Zrzut();
    ASSERT_EQ(::mkfifo("kolejka.txt", 0644), 0);
    dialogi.pliki.push_back(QDir::current().absoluteFilePath(u"kolejka.txt"_s));
    Kliknij("bOdczytPlik");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.contains(u"kolejka.txt: To nie jest zwykły plik"_s))
        << dialogi.komunikaty[0].tekst.toStdString();
    EXPECT_EQ(Zrzut(), przed);
}

// "MUX 1" saved for a line without a multiplexer: the register operations
// say that the communication parameters must be set again (code 22).
TEST_F(Odczyt, AMultiplexerThatIsNotThereGivesCode22) {
    kasa.Konfiguracja({"$01\tcom1:9600:mux1:1\t1"});
    Kliknij("bOdczyt");
    EXPECT_EQ(Stan().KodBledu, 22);
    EXPECT_EQ(dialogi.Teksty(), QStringList{KomunikatKodu(22)});
}
