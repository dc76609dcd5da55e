// The start-up query: the question, the configuration or the dialog, the
// goods and payment names from the register or from an earlier run's
// replies, and the failures that leave the lists bare.

#include "KasaTestowa.h"

#include "app/Uruchomienie.h"
#include "comm/BibliotekaKasdrv.h"
#include "comm/PolaczenieZKasa.h"
#include "comm/TOknoKomunik.h"
#include "files/PlikTekstowy.h"
#include "files/WezArgument.h"
#include "format/KomunikatyBledow.h"
#include "format/ListyWyboru.h"
#include "transfer/TransferDefinicji.h"
#include "ui/Tekst1250.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <filesystem>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {

const QString Pytanie =
    u"Czy odczytać bazę towarową, płatności i  definicje klawiszy z podłączonej kasy?"_s;

QStringList Pozycje(const QComboBox* c) {
    QStringList p;
    for (int i = 0; i < c->count(); ++i)
        p << c->itemText(i);
    return p;
}

QStringList PoczatkowePlatnosci() {
    QStringList p;
    for (const char* nazwa : PoczatkoweNazwyPlatnosci())
        p << Z1250(nazwa);
    return p;
}

QString Numer(int n) {
    return QString::asprintf("%03d ", n);
}

// An earlier run's replies: CP852 goods names ("\xA5" is "ą", "\x88" "ł"),
// with lines the reader skips, and three payment names.
const std::string StareTowary = "#01\r\n#\r\n#\r\n"
                                "$1\tMAS\x88O\r\n"
                                "$5 \tW\xA5TR\xA5\r\n"
                                "0\tZERO\r\n"
                                "512\tZA DU\xBEY\r\n"
                                "abc\tS\x8BOWO\r\n"
                                "$511\tOSTATNI\r\n";
const std::string StarePlatnosci =
    "#01\r\n#\r\n#\r\n$1\tPRZELEW\r\n$2\tKARTA \xA3\r\n$3\tVOUCHER\r\n";

} // namespace

class OdczytStartowy : public KasaTestowa {
protected:
    void Odczytaj() {
        okno->AkcjeOkna().Wykonaj([this] { okno->Transfer().OdczytStartowy(); });
    }
    QComboBox* Towary() const { return Wybor("cbTowary"); }
    QStringList PlatnosciOkna() const { return Pozycje(Wybor("cbPlatnosc")); }

    void GolaListaTowarow() const {
        ASSERT_EQ(Towary()->count(), 511);
        for (int n = 1; n <= 511; ++n)
            ASSERT_EQ(Towary()->itemText(n - 1), Numer(n));
        EXPECT_EQ(Towary()->currentIndex(), 0);
    }
};

TEST_F(OdczytStartowy, NoWithoutReplyFilesLeavesBareNumbersAndDesignPayments) {
    Odczytaj();
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    const auto& k = dialogi.komunikaty[0];
    EXPECT_EQ(k.tekst, Pytanie);
    EXPECT_EQ(k.tytul, u"Odpowiedz...");
    EXPECT_EQ(k.ikona, Ikona::Pytanie);
    EXPECT_EQ(k.przyciski, Przyciski::TakNie);
    GolaListaTowarow();
    EXPECT_EQ(PlatnosciOkna(), PoczatkowePlatnosci());
    EXPECT_EQ(dialogi.pokazaneOkna, 0);
    EXPECT_FALSE(Istnieje("RAPORT.TXT")) << "the register was not asked";
}

TEST_F(OdczytStartowy, NoFillsTheListsFromAnEarlierRunsReplies) {
    Zapisz("towary.txt", StareTowary);
    Zapisz("plat.txt", StarePlatnosci);
    Odczytaj();
    EXPECT_EQ(dialogi.Teksty(), QStringList{Pytanie});
    ASSERT_EQ(Towary()->count(), 511);
    EXPECT_EQ(Towary()->itemText(0), u"001 MASłO"_s);
    EXPECT_EQ(Towary()->itemText(4), u"005 WąTRą"_s);
    EXPECT_EQ(Towary()->itemText(1), u"002 "_s);
    EXPECT_EQ(Towary()->itemText(510), u"511 OSTATNI"_s);
    EXPECT_EQ(Towary()->currentIndex(), 0);
    // Payment names stand as written, without the goods' code-page change.
    EXPECT_EQ(PlatnosciOkna(), QStringList({u"GOTÓWKA"_s, u"PRZELEW"_s, u"KARTA "_s + Z1250("\xA3"),
                                            u"VOUCHER"_s, u"EURO"_s}));
    EXPECT_FALSE(Istnieje("RAPORT.TXT"));
    EXPECT_FALSE(Istnieje("123.@#$"));
}

TEST_F(OdczytStartowy, YesFetchesGoodsWithPolishLettersAndPaymentNames) {
    Uruchom();
    kasa->Konfiguracja(2);
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    Odczytaj();
    EXPECT_EQ(dialogi.Teksty(), QStringList{Pytanie});
    EXPECT_EQ(Stan().NumerKasy, "01");
    EXPECT_FALSE(Istnieje("123.@#$")) << "the request file is deleted";
    ASSERT_TRUE(Istnieje("towary.txt"));
    ASSERT_TRUE(Istnieje("plat.txt"));

    const auto towary = *CzytajLinie(kasa->Folder() / "towary.txt");
    ASSERT_GT(towary.size(), 3u);
    bool polskie = false;
    for (size_t i = 3; i < towary.size(); ++i) {
        std::string pole, nazwa;
        ASSERT_TRUE(WezPoleTab(towary[i], 1, pole) && WezPoleTab(towary[i], 2, nazwa));
        const int n = std::stoi(pole.substr(1));
        EXPECT_EQ(Towary()->itemText(n - 1), Numer(n) + Z852(nazwa)) << n;
        polskie |= Z852(nazwa).contains(QRegularExpression(u"[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"_s));
    }
    EXPECT_TRUE(polskie) << "the demo base has Polish letters";

    const auto platnosci = *CzytajLinie(kasa->Folder() / "plat.txt");
    for (int k = 1; k <= 3; ++k) {
        std::string nazwa;
        ASSERT_TRUE(WezPoleTab(platnosci[static_cast<size_t>(k) + 2], 2, nazwa));
        EXPECT_EQ(PlatnosciOkna()[k], Z1250(nazwa));
    }
    EXPECT_EQ(PlatnosciOkna()[0], u"GOTÓWKA");
    EXPECT_EQ(PlatnosciOkna()[4], u"EURO");
}

// Without a configuration the dialog comes first; closed without a save,
// the query ends quietly.
TEST_F(OdczytStartowy, MissingConfigurationAndTheDialogCancelledEndsQuietly) {
    Zapisz("towary.txt", StareTowary);
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    bool klepsydra = true;
    dialogi.okna.push_back([&](QDialog& d) {
        klepsydra = QGuiApplication::overrideCursor() != nullptr;
        Kliknij(dynamic_cast<TOknoKomunik&>(d).KlawEsc);
    });
    Odczytaj();
    EXPECT_EQ(dialogi.pokazaneOkna, 1);
    EXPECT_FALSE(klepsydra) << "no busy cursor over the dialog";
    EXPECT_EQ(dialogi.Teksty(), QStringList{Pytanie});
    GolaListaTowarow();
    EXPECT_FALSE(Istnieje("123.@#$"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A link test in that dialog saves the configuration, and the query goes
// on with the number it set.
TEST_F(OdczytStartowy, MissingConfigurationSetInTheDialogThenTheQueryGoesOn) {
    Uruchom({"--number", "7"});
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    dialogi.okna.push_back([&](QDialog& d) { Polacz(dynamic_cast<TOknoKomunik&>(d)); });
    Odczytaj();
    EXPECT_EQ(Plik("KONFIG.TXT"), "$7\tcom1:9600:mux0:1\t2\r\n");
    EXPECT_EQ(Stan().NumerKasy, "7");
    EXPECT_TRUE(Istnieje("towary.txt"));
    EXPECT_NE(Towary()->itemText(0), Numer(1)) << "goods names loaded";
}

// A failed goods read deletes its reply; nothing is loaded, not even the
// older payment names.
TEST_F(OdczytStartowy, FailedGoodsReadDeletesItsReplyAndLoadsNothing) {
    Uruchom({"--fault", "silent"});
    kasa->Konfiguracja(1);
    Zapisz("towary.txt", StareTowary);
    Zapisz("plat.txt", StarePlatnosci);
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    Odczytaj();
    EXPECT_EQ(dialogi.Teksty(), QStringList({Pytanie, Z1250(KomunikatBledu(21))}));
    EXPECT_EQ(dialogi.komunikaty[1].tytul, u"Error");
    EXPECT_EQ(Stan().KodBledu, 21);
    EXPECT_FALSE(Istnieje("towary.txt"));
    EXPECT_TRUE(Istnieje("plat.txt"));
    EXPECT_FALSE(Istnieje("123.@#$"));
    GolaListaTowarow();
    EXPECT_EQ(PlatnosciOkna(), PoczatkowePlatnosci());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

namespace {
// A register library whose goods read works and whose payment read fails.
bool klepsydraPrzyWymianie = false;

uint8_t KASDRV_WYWOLANIE TowaryDobre(const char* wejscie, const char* wyjscie) {
    klepsydraPrzyWymianie =
        QGuiApplication::overrideCursor() != nullptr && std::filesystem::exists(wejscie);
    EXPECT_TRUE(ZapiszAtomowo(wyjscie, "#01\r\n#\r\n#\r\n$1\tNOWY\r\n"));
    return 0;
}

uint8_t KASDRV_WYWOLANIE PlatnosciZle(const char*, const char*) {
    return 24;
}
} // namespace

TEST_F(OdczytStartowy, FailedPaymentReadDeletesItsReplyAndLoadsNothing) {
    kasa->Konfiguracja(1);
    Zapisz("plat.txt", StarePlatnosci);
    FunkcjeKasdrv f;
    f.TowarMax = TowaryDobre;
    f.OPlat = PlatnosciZle;
    okno->Komunikacja().Biblioteki().UzyjKasdrv(f);
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    Odczytaj();
    EXPECT_TRUE(klepsydraPrzyWymianie);
    EXPECT_EQ(dialogi.Teksty(), QStringList({Pytanie, Z1250(KomunikatBledu(24))}));
    EXPECT_FALSE(Istnieje("plat.txt"));
    EXPECT_TRUE(Istnieje("towary.txt")) << "the fresh goods reply stays on disk";
    GolaListaTowarow();
    EXPECT_EQ(PlatnosciOkna(), PoczatkowePlatnosci());
    EXPECT_FALSE(Istnieje("123.@#$"));
}

TEST_F(OdczytStartowy, RequestFileThatCannotBeWritten) {
    kasa->Konfiguracja(1);
    std::filesystem::create_directory(kasa->Folder() / "123.@#$");
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    Odczytaj();
    EXPECT_EQ(dialogi.Teksty(),
              QStringList({Pytanie, u"Nie udało się stworzyć pliku wejsciowego"_s}));
    EXPECT_FALSE(Istnieje("RAPORT.TXT"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(OdczytStartowy, RegisterNumberThatIsNotANumberGoesToTheHandler) {
    kasa->Konfiguracja({"$x1\tcom1:9600:mux0:1\t1"});
    dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Nie};
    Odczytaj();
    ASSERT_EQ(dialogi.komunikaty.size(), 2u);
    EXPECT_EQ(dialogi.komunikaty[1].tytul, u"Błąd wykonania programu");
    EXPECT_TRUE(dialogi.komunikaty[1].tekst.contains(u"x1"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Istnieje("RAPORT.TXT"));
}

TEST_F(OdczytStartowy, ConfigurationThatCannotBeReadGoesToTheHandler) {
    std::filesystem::create_directory(kasa->Folder() / "KONFIG.TXT");
    dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Nie};
    Odczytaj();
    ASSERT_EQ(dialogi.komunikaty.size(), 2u);
    EXPECT_EQ(dialogi.komunikaty[1].tytul, u"Błąd wykonania programu");
    EXPECT_EQ(dialogi.pokazaneOkna, 0);
    EXPECT_FALSE(Istnieje("RAPORT.TXT"));
}

// Yes also reads the key definitions, through "Odczyt z kasy": what the
// register holds replaces the tables and the window starts from F1 of "BEZP.".
TEST_F(OdczytStartowy, YesReadsTheKeyDefinitionsAfterTheLists) {
    Uruchom();
    kasa->Konfiguracja(2);
    TabliceKlawiszy wzor;
    wzor.KlawiszeBezp[0] = {0, Towar, 0, 7, 1, 0, 1, 0};
    wzor.KlawiszeObaAlt[8] = {0, Funkcja, 18, 0, 0, 0, 0, 0};
    wzor.KlawiszePrawyAlt[12] = {0, Platnosc, 8, 0, 0, 0, 0, 1050};
    Stan().tablice = wzor;
    Stan().NumerKasy = "01";
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // to the keys the write changes
    okno->AkcjeOkna().Wykonaj([this] { okno->Transfer().bZapisClick(Kontrolka("bZapis")); });
    ASSERT_EQ(Stan().KodBledu, 0) << dialogi.Teksty().join('|').toStdString();

    Stan().tablice = TabliceKlawiszy{};
    UstawWariant(0);
    dialogi.komunikaty.clear();
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    Odczytaj();
    EXPECT_EQ(dialogi.Teksty(), QStringList{Pytanie});
    for (const auto& k : KolejnoscKlawiszy())
        EXPECT_EQ(Stan().tablice.Rekord(k.miejsce).Rodzaj, wzor.Rekord(k.miejsce).Rodzaj)
            << int(k.kod);
    EXPECT_EQ(Stan().tablice.KlawiszeBezp[0].NrTowaru, 7);
    EXPECT_EQ(Stan().tablice.KlawiszePrawyAlt[12].Kwota, 1050);
    EXPECT_EQ(NazwaKlawisza(), u"F1");
    EXPECT_EQ(Towary()->count(), 511) << "the goods list is filled after the read";
}

// No never touches the register, not even for the key definitions.
TEST_F(OdczytStartowy, NoReadsNoKeyDefinitions) {
    Uruchom();
    kasa->Konfiguracja(2);
    Stan().tablice.KlawiszeBezp[3] = {0, Funkcja, 4, 0, 0, 0, 0, 0};
    dialogi.odpowiedzi = {Odpowiedz::Nie};
    Odczytaj();
    EXPECT_EQ(Stan().tablice.KlawiszeBezp[3].Rodzaj, Funkcja);
    EXPECT_FALSE(Istnieje("klawisz.txt"));
    EXPECT_FALSE(Istnieje("RAPORT.TXT"));
}

// The goods list is filled again after the key definitions were read: the
// panel then shows the goods item F1 holds, and Enter keeps it.
TEST_F(OdczytStartowy, AfterTheQueryThePanelShowsTheGoodsItemOfF1) {
    Uruchom();
    kasa->Konfiguracja(2);
    Stan().tablice.KlawiszeBezp[0] = {0, Towar, 0, 2, 0, 0, 0, 0};
    Stan().NumerKasy = "01";
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // to the keys the write changes
    okno->AkcjeOkna().Wykonaj([this] { okno->Transfer().bZapisClick(Kontrolka("bZapis")); });
    ASSERT_EQ(Stan().KodBledu, 0) << dialogi.Teksty().join('|').toStdString();

    Stan().tablice = TabliceKlawiszy{};
    dialogi.komunikaty.clear();
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    Odczytaj();
    ASSERT_EQ(dialogi.Teksty(), QStringList{Pytanie});
    EXPECT_EQ(NazwaKlawisza(), u"F1");
    EXPECT_EQ(Towary()->currentIndex(), 1);
    EXPECT_TRUE(Towary()->currentText().startsWith(u"002 "_s))
        << Towary()->currentText().toStdString();

    Towary()->setFocus();
    QTest::keyClick(Towary(), Qt::Key_Return);
    EXPECT_EQ(Stan().tablice.KlawiszeBezp[0].Rodzaj, Towar);
    EXPECT_EQ(Stan().tablice.KlawiszeBezp[0].NrTowaru, 2);
}

// Each exchange of the query runs behind its progress box, in the order
// goods, payments, key definitions.
TEST_F(OdczytStartowy, EachExchangeRunsBehindTheProgressBox) {
    Uruchom();
    kasa->Konfiguracja(1);
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    Odczytaj();
    ASSERT_EQ(dialogi.Teksty(), QStringList{Pytanie});
    QStringList teksty;
    for (const auto& p : dialogi.postepy) {
        teksty << p.tekst;
        EXPECT_TRUE(p.zamkniety);
    }
    EXPECT_EQ(teksty,
              QStringList({u"Odczyt bazy towarowej z kasy..."_s, u"Odczyt płatności z kasy..."_s,
                           u"Odczyt definicji klawiszy z kasy..."_s}));
}

// An empty KONFIG.TXT is a configuration still to be set: the query opens
// the communication dialog as for a missing one, and ends quietly when it
// is closed without a save.
TEST_F(OdczytStartowy, AnEmptyConfigurationOpensTheDialog) {
    for (const char* tresc : {"", "\r\n"}) {
        SCOPED_TRACE(std::string("\"") + tresc + "\"");
        Zapisz("KONFIG.TXT", tresc);
        dialogi.komunikaty.clear();
        dialogi.pokazaneOkna = 0;
        dialogi.odpowiedzi = {Odpowiedz::Tak};
        Odczytaj();
        EXPECT_EQ(dialogi.Teksty(), QStringList{Pytanie});
        EXPECT_EQ(dialogi.pokazaneOkna, 1);
        EXPECT_FALSE(Istnieje("RAPORT.TXT"));
    }
}

// "Tak" in the error handler during the start-up query ends the program:
// the message loop is never entered (it would keep a hidden window and
// the single-instance lock). "Nie" goes on into the loop.
TEST_F(OdczytStartowy, YesInTheErrorHandlerBeforeTheLoopEndsTheProgram) {
    for (const Odpowiedz wybor : {Odpowiedz::Tak, Odpowiedz::Nie}) {
        SCOPED_TRACE(wybor == Odpowiedz::Tak ? "Tak" : "Nie");
        kasa->Konfiguracja({"$x1\tcom1:9600:mux0:1\t1"});
        okno->show();
        Stan().ZapytanieStartowe = true;
        dialogi.komunikaty.clear();
        dialogi.odpowiedzi = {Odpowiedz::Tak, wybor};
        bool petla = false;
        const int kod = UruchomPoOknieGlownym(*okno, [&] {
            petla = true;
            return 0;
        });
        ASSERT_EQ(dialogi.komunikaty.size(), 2u);
        EXPECT_EQ(dialogi.komunikaty[1].tytul, u"Błąd wykonania programu");
        EXPECT_EQ(kod, 0);
        EXPECT_EQ(petla, wybor == Odpowiedz::Nie);
        EXPECT_FALSE(Stan().ZapytanieStartowe);
    }
}

// Answered "Tak", the key definitions are named with the register's own
// payment names: the payment chooser holds them before the labels are written.
TEST_F(OdczytStartowy, YesLabelsPaymentKeysWithTheRegistersPaymentNames) {
    Uruchom();
    kasa->Konfiguracja(2);
    Stan().tablice.KlawiszeBezp[3] = {0, Platnosc, 1, 0, 0, 0, 0, 0};
    Stan().tablice.KlawiszeBezp[6] = {0, Platnosc, 2, 0, 0, 0, 0, 0};
    Stan().NumerKasy = "01";
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // to the keys the write changes
    okno->AkcjeOkna().Wykonaj([this] { okno->Transfer().bZapisClick(Kontrolka("bZapis")); });
    ASSERT_EQ(Stan().KodBledu, 0) << dialogi.Teksty().join('|').toStdString();

    Stan().tablice = TabliceKlawiszy{};
    dialogi.komunikaty.clear();
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    Odczytaj();
    ASSERT_EQ(dialogi.Teksty(), QStringList{Pytanie});
    const QStringList platnosci = PlatnosciOkna();
    ASSERT_NE(platnosci[1], PoczatkowePlatnosci()[1]) << "the register's names were loaded";
    EXPECT_EQ(Pole("Edit4")->text(), platnosci[1].left(6));
    EXPECT_EQ(Pole("Edit7")->text(), platnosci[2].left(6));
}
