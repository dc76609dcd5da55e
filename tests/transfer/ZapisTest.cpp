// "Zapis do kasy" and "Zapis do pliku" against the emulated register.

#include "OknoZKasa.h"

#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "widgets/GrupaRadiowa.h"
#include "widgets/KursorKlepsydry.h"

#include <QCheckBox>
#include <QDir>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
const QString Zapisano = u"Definicje klawiszy zapisano do kasy i do pliku klawisz.txt"_s;
const QString ZaDuzoPlatnosci =
    u"Zbyt dużo płatności.Należy skasować wszystkie klawisze i ponowić zapis."_s;
} // namespace

class Zapis : public OknoZKasa {
protected:
    void Zatwierdz() { Kliknij("Button5"); }
    void DefiniujTowar(int wariant, const char* pole, int pozycja, bool paragon) {
        PokazPole(wariant, pole);
        KliknijPozycje("rgDefinicja", 1);
        Wybor("cbTowary")->setCurrentIndex(pozycja);
        Kontrolka<QCheckBox>("cbParagon")->setChecked(paragon);
        Zatwierdz();
    }
    void DefiniujFunkcje(int wariant, const char* pole, int pozycja) {
        PokazPole(wariant, pole);
        KliknijPozycje("rgDefinicja", 2);
        Wybor("cbFunkcja")->setCurrentIndex(pozycja);
        Zatwierdz();
    }
    void DefiniujPlatnosc(int wariant, const char* pole, int pozycja, const QString& kwota) {
        PokazPole(wariant, pole);
        KliknijPozycje("rgDefinicja", 3);
        Wybor("cbPlatnosc")->setCurrentIndex(pozycja);
        Pole("Edit10")->setText(kwota);
        Zatwierdz();
    }
    // Keys of every kind in every variant, through the panel.
    void DefiniujWOknie() {
        DefiniujTowar(Bezp, "Edit1", 11, true);
        DefiniujFunkcje(Bezp, "Edit9", 18);
        DefiniujPlatnosc(ObaAlt, "e0", 4, u"10,50"_s);
        DefiniujTowar(ObaAlt, "Edit4", 510, false);
        DefiniujPlatnosc(LewyAlt, "e3", 2, u"0,05"_s);
        DefiniujFunkcje(LewyAlt, "Edit2", 0);
        DefiniujPlatnosc(PrawyAlt, "Edit7", 0, u"123,45"_s);
        DefiniujTowar(PrawyAlt, "e9", 0, true);
        ASSERT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join(u'|').toStdString();
    }
    // Nine payments among the counted keys: only a file can give that.
    void DziewiecPlatnosciZPliku() {
        TabliceKlawiszy t;
        for (size_t i = 0; i < 9; ++i)
            t.KlawiszeBezp[i] = {0, Platnosc, 1, 0, 0, 0, 0, 100};
        EXPECT_TRUE(ZapiszPlikDefinicji(t, "dziewiec.txt", "01"));
        dialogi.pliki.push_back(u"dziewiec.txt"_s);
        Kliknij("bOdczytPlik");
        ASSERT_TRUE(dialogi.komunikaty.empty());
        ASSERT_EQ(Znaczenie(Stan().tablice), Znaczenie(t));
    }
};

TEST_F(Zapis, DefinitionsFromTheWindowReachTheRegister) {
    DefiniujWOknie();
    PokazPole(PrawyAlt, "Edit5");
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // to the keys the write changes
    Kliknij("bZapis");
    EXPECT_EQ(dialogi.Teksty().mid(1), QStringList{Zapisano + Sprawdzono()});
    EXPECT_EQ(dialogi.komunikaty.back().ikona, Ikona::Brak);
    EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(Stan().tablice));
    EXPECT_EQ(Plik("klawisz.txt"), TekstPlikuDefinicji(Stan().tablice, "01"))
        << "the copy of what was sent stays";
    EXPECT_EQ(NazwaKlawisza(), u"PRAWY ALT+F1") << "F1 of the variant shown, chosen again";
    EXPECT_FALSE(okno->Klepsydra().Widoczny());
}

// Define keys, write them, start afresh, read them back: nothing is lost.
TEST_F(Zapis, RoundTripThroughTheRegister) {
    DefiniujWOknie();
    Stan().tablice.KlawiszeLewyAlt[18] = {0, Funkcja, 17, 0, 0, 0, 0, 0};
    const TabliceKlawiszy zdefiniowane = Stan().tablice;
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    Kliknij("bZapis");
    ASSERT_EQ(dialogi.Teksty().mid(1), QStringList{Zapisano + Sprawdzono()});

    okno.reset();
    std::filesystem::remove("klawisz.txt");
    OknoTestowe::SetUp(); // a fresh state and a new window
    ASSERT_EQ(Stan().tablice, TabliceKlawiszy{});
    dialogi.komunikaty.clear();
    Kliknij("bOdczyt");
    EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join(u'|').toStdString();
    EXPECT_EQ(Znaczenie(Stan().tablice), Znaczenie(zdefiniowane));
}

TEST_F(Zapis, AllKeysUndefinedGiveTheEmptyFile) {
    Kliknij("bZapis");
    std::vector<std::string> linie{"#01", "#", "#"};
    for (const auto& k : KolejnoscKlawiszy())
        linie.push_back("$" + std::to_string(k.kod) + "\t0");
    EXPECT_EQ(Plik("klawisz.txt"), ZlaczLinie(linie));
    EXPECT_EQ(linie[3], "$237\t0");
    EXPECT_EQ(linie.back(), "$254\t0");
}

TEST_F(Zapis, NinthPaymentFromAFileIsRefusedByTheRegister) {
    ZapiszWKasie(Przyklad());
    DziewiecPlatnosciZPliku();
    const TabliceKlawiszy wczytane = Stan().tablice;
    PokazPole(Bezp, "Edit2");
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    Kliknij("bZapis");
    ASSERT_EQ(dialogi.komunikaty.size(), 2u);
    const auto& k = dialogi.komunikaty[1];
    EXPECT_EQ(k.tekst, ZaDuzoPlatnosci);
    EXPECT_EQ(k.ikona, Ikona::Blad);
    EXPECT_EQ(k.przyciski, Przyciski::Tak);
    EXPECT_EQ(k.tytul, u"Error");
    EXPECT_EQ(Stan().KodBledu, 229);
    EXPECT_EQ(Plik("klawisz.txt"), TekstPlikuDefinicji(wczytane, "01")) << "left on disk";
    EXPECT_EQ(NazwaKlawisza(), u"F2") << "F1 is not chosen again";
    EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(Przyklad())) << "the register kept its own";
}

TEST_F(Zapis, RefusedWriteShowsItsCodeAndChoosesF1) {
    kasa.Zatrzymaj();
    PokazPole(Bezp, "Edit2");
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // on without the backup
    Kliknij("bZapis");
    ASSERT_NE(Stan().KodBledu, 0);
    EXPECT_EQ(dialogi.Teksty(), (QStringList{PytanieKopii(BrakPortu()), BrakPortu()}));
    EXPECT_TRUE(Istnieje("klawisz.txt"));
    EXPECT_EQ(NazwaKlawisza(), u"F1");
}

TEST_F(Zapis, ReservedNamesAreRefusedInAnyFolder) {
    std::filesystem::create_directory("inny");
    const std::string konfig = Plik("KONFIG.TXT");
    for (const QString& nazwa : {u"konfig.txt"_s, u"Konfig.Txt"_s, u"raport.txt"_s,
                                 u"inny/RAPORT.TXT"_s, u"inny/KoNfIg.TxT"_s}) {
        SCOPED_TRACE(nazwa.toStdString());
        dialogi.komunikaty.clear();
        PokazPole(Bezp, "Edit2");
        dialogi.pliki.push_back(QDir::current().absoluteFilePath(nazwa));
        Kliknij("bZapisPlik");
        ASSERT_EQ(dialogi.komunikaty.size(), 1u);
        const QString pokazana = nazwa.section(u'/', -1);
        EXPECT_EQ(dialogi.komunikaty[0].tekst,
                  u"BŁĄD ZAPISU: ZASTRZEŻONA NAZWA PLIKU ("_s + pokazana + u")"_s);
        EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Blad);
        EXPECT_EQ(dialogi.komunikaty[0].przyciski, Przyciski::Ok);
        EXPECT_EQ(NazwaKlawisza(), u"F2") << "no key chosen again";
    }
    EXPECT_EQ(Plik("KONFIG.TXT"), konfig);
    EXPECT_FALSE(Istnieje("inny/RAPORT.TXT"));
    EXPECT_FALSE(Istnieje("raport.txt"));
}

TEST_F(Zapis, LinksToReservedFilesAreRefused) {
    const std::string konfig = Plik("KONFIG.TXT");
    std::filesystem::create_symlink("KONFIG.TXT", "k.txt");
    std::filesystem::create_hard_link("KONFIG.TXT", "t.txt");
    std::filesystem::create_symlink("RAPORT.TXT", "r.txt"); // leads to no file yet
    for (const auto& [nazwa, zastrzezona] : {std::pair{u"k.txt"_s, u"KONFIG.TXT"_s},
                                             {u"t.txt"_s, u"KONFIG.TXT"_s},
                                             {u"r.txt"_s, u"RAPORT.TXT"_s}}) {
        SCOPED_TRACE(nazwa.toStdString());
        dialogi.komunikaty.clear();
        PokazPole(Bezp, "Edit2");
        dialogi.pliki.push_back(QDir::current().absoluteFilePath(nazwa));
        Kliknij("bZapisPlik");
        ASSERT_EQ(dialogi.komunikaty.size(), 1u);
        EXPECT_EQ(dialogi.komunikaty[0].tekst,
                  u"BŁĄD ZAPISU: ZASTRZEŻONA NAZWA PLIKU ("_s + zastrzezona + u")"_s);
    }
    EXPECT_EQ(Plik("KONFIG.TXT"), konfig);
    EXPECT_TRUE(std::filesystem::is_symlink("r.txt"));
}

TEST_F(Zapis, ToAFileNamedByTheUser) {
    DefiniujWOknie();
    for (const char* nazwa : {"moje.txt", "klawisz.txt"}) {
        SCOPED_TRACE(nazwa);
        dialogi.komunikaty.clear();
        PokazPole(Bezp, "Edit2");
        const QString pelna = QDir::current().absoluteFilePath(QString::fromLatin1(nazwa));
        dialogi.pliki.push_back(pelna);
        Kliknij("bZapisPlik");
        EXPECT_EQ(dialogi.Teksty(), QStringList{u"Definicje klawiszy zapisano do pliku "_s +
                                                QDir::toNativeSeparators(pelna)});
        EXPECT_EQ(Plik(nazwa), TekstPlikuDefinicji(Stan().tablice, "01"));
        EXPECT_EQ(NazwaKlawisza(), u"F1");
    }
    ASSERT_EQ(dialogi.dialogiPlikow.size(), 2u);
    EXPECT_EQ(dialogi.dialogiPlikow[0].filtr, u"Pliki tekstowe|*.txt|Wszystkie pliki|*.*");
    EXPECT_EQ(dialogi.dialogiPlikow[0].domyslneRozszerzenie, u"txt");
    EXPECT_FALSE(Istnieje("RAPORT.TXT")) << "the register is not involved";
}

TEST_F(Zapis, CancelledSaveDialogChangesNothing) {
    PokazPole(Bezp, "Edit2");
    ASSERT_EQ(NazwaKlawisza(), u"F2");
    dialogi.pliki.push_back(std::nullopt);
    Kliknij("bZapisPlik");
    EXPECT_TRUE(dialogi.komunikaty.empty());
    EXPECT_EQ(NazwaKlawisza(), u"F2");
    EXPECT_FALSE(Istnieje("klawisz.txt"));
}

// Without konfig.txt both paths ask for the parameters first and go on.
TEST_F(Zapis, MissingConfigurationAsksForItFirst) {
    std::filesystem::remove("KONFIG.TXT");
    Stan().NumerKasy = "05";
    dialogi.pliki.push_back(std::nullopt);
    Kliknij("bZapisPlik");
    EXPECT_EQ(dialogi.Teksty(), QStringList{u"Należy ustawić parametry komunikacji"_s});
    EXPECT_EQ(dialogi.dialogiPlikow.size(), 1u) << "the save dialog comes after";

    dialogi.komunikaty.clear();
    dialogi.odpowiedzi = {Odpowiedz::Ok, Odpowiedz::Tak}; // on without the backup
    Kliknij("bZapis");
    EXPECT_EQ(dialogi.Teksty(), (QStringList{u"Należy ustawić parametry komunikacji"_s,
                                             PytanieKopii(KomunikatKodu(7)), KomunikatKodu(7)}));
    EXPECT_EQ(Plik("klawisz.txt").substr(0, 5), "#05\r\n") << "with the number the program holds";
}

// D8: a definition file that can't be written is reported and nothing is sent.
TEST_F(Zapis, FileThatCannotBeWrittenIsReportedAndNothingSent) {
    Zablokuj("klawisz.txt");
    PokazPole(Bezp, "Edit2");
    Kliknij("bZapis");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.startsWith(
        u"Nie zapisano definicji klawiszy do pliku klawisz.txt\r"_s));
    EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Blad);
    EXPECT_FALSE(Istnieje("RAPORT.TXT")) << "the library was not called";
    EXPECT_EQ(NazwaKlawisza(), u"F1");

    dialogi.komunikaty.clear();
    const QString brak = QDir::current().absoluteFilePath(u"brak/moje.txt"_s);
    dialogi.pliki.push_back(brak);
    Kliknij("bZapisPlik");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.startsWith(
        u"Nie zapisano definicji klawiszy do pliku "_s + QDir::toNativeSeparators(brak)));
}

// A folder and a file named with Polish letters are written under those very
// names, and a failure shows the path as the user chose it.
TEST_F(Zapis, ToAFileInAFolderWithPolishLetters) {
    DefiniujWOknie();
    std::filesystem::create_directory("Wkładki");
    const QString pelna = QDir::current().absoluteFilePath(u"Wkładki/zażółć.txt"_s);
    dialogi.pliki.push_back(pelna);
    Kliknij("bZapisPlik");
    EXPECT_EQ(dialogi.Teksty(), QStringList{u"Definicje klawiszy zapisano do pliku "_s +
                                            QDir::toNativeSeparators(pelna)});
    EXPECT_EQ(Plik("Wkładki/zażółć.txt"), TekstPlikuDefinicji(Stan().tablice, "01"));

    dialogi.komunikaty.clear();
    std::filesystem::permissions("Wkładki/zażółć.txt", std::filesystem::perms::owner_read);
    dialogi.pliki.push_back(pelna);
    Kliknij("bZapisPlik");
    EXPECT_EQ(dialogi.Teksty(), QStringList{u"Nie zapisano definicji klawiszy do pliku "_s +
                                            QDir::toNativeSeparators(pelna) + u"\r"_s + pelna +
                                            u": Plik jest tylko do odczytu"_s});
}
