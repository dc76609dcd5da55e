// "Zapisz": the line of KONFIG.TXT and the side file "in", byte for byte,
// through the register library's file helpers, and every way a save can fail.

#include "KasaTestowa.h"

#include "comm/BibliotekaKasdrv.h"
#include "comm/PolaczenieZKasa.h"
#include "comm/TOknoKomunik.h"
#include "format/KomunikatyBledow.h"
#include "ui/Tekst1250.h"
#include "widgets/GrupaRadiowa.h"

#include <QSpinBox>

#include <filesystem>
#include <map>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {

const QString NieZapisano = u"Nie zapisano parametrów komunikacji."_s;

// File helpers that fail on request, for the failures a real disk won't give.
struct PlikiNaZadanie {
    std::string nieOtwieraj;
    std::string nieZapisuj;
    std::map<int32_t, std::string> nazwy;
    int32_t nastepny = 1;
};
PlikiNaZadanie pliki;

uint8_t Otworz(int32_t* uchwyt, const char* nazwa, int32_t) {
    if (pliki.nieOtwieraj == nazwa)
        return 0;
    *uchwyt = pliki.nastepny++;
    pliki.nazwy[*uchwyt] = nazwa;
    return 1;
}

uint8_t ZapiszLinie(int32_t uchwyt, const char*) {
    return pliki.nazwy[uchwyt] == pliki.nieZapisuj ? 0 : 1;
}

uint8_t Zamknij(int32_t* uchwyt) {
    *uchwyt = 0;
    return 1;
}

} // namespace

class ZapisParametrow : public KasaTestowa {
protected:
    // Opens the dialog, lets `ustaw` set the controls, presses "Zapisz";
    // true when the dialog closed.
    bool ZapiszWOknie(const std::function<void(TOknoKomunik&)>& ustaw = {}) {
        bool zamkniete = false;
        OtworzOkno([&](TOknoKomunik& o) {
            if (ustaw)
                ustaw(o);
            Kliknij(o.KlawZapis);
            zamkniete = !o.isVisible();
            if (!zamkniete)
                Kliknij(o.KlawEsc);
        });
        return zamkniete;
    }

    void PlikiZawodne(const std::string& nieOtwieraj, const std::string& nieZapisuj) {
        pliki = {nieOtwieraj, nieZapisuj, {}, 1};
        FunkcjeKasdrv f;
        f.OtwartoPlik = Otworz;
        f.ZapisanoDoPlikuLinie = ZapiszLinie;
        f.ZamknieciePliku = Zamknij;
        okno->Komunikacja().Biblioteki().UzyjKasdrv(f);
    }
};

TEST_F(ZapisParametrow, DesignValuesWithoutATest) {
    EXPECT_TRUE(ZapiszWOknie());
    EXPECT_EQ(Plik("KONFIG.TXT"), "$01\tcom1:9600:mux0:1\t5\r\n");
    EXPECT_EQ(Plik("in"), "#01\r\n#\r\n#\r\n");
    EXPECT_EQ(Stan().NumerKasy, "01");
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

struct Ustawienia {
    int com, mux, kanal, szybkosc, timeout, nrZTestu;
    std::string linia, in;
};

class ZapisUstawien : public ZapisParametrow, public ::testing::WithParamInterface<Ustawienia> {};

TEST_P(ZapisUstawien, LineAndSideFileFromTheControls) {
    const Ustawienia& u = GetParam();
    Stan().NrKasyZTestu = u.nrZTestu;
    EXPECT_TRUE(ZapiszWOknie([&](TOknoKomunik& o) {
        o.seCOM->setValue(u.com);
        KliknijPozycje("GrupaMux", u.mux);
        o.GrupaKanal->UstawItemIndex(u.kanal);
        KliknijPozycje("GrupaSzybkosc", u.szybkosc);
        o.WartoscTimeout->setValue(u.timeout);
    }));
    EXPECT_EQ(Plik("KONFIG.TXT"), u.linia + "\r\n");
    EXPECT_EQ(Plik("in"), u.in + "\r\n#\r\n#\r\n");
}

INSTANTIATE_TEST_SUITE_P(Tabela, ZapisUstawien,
                         ::testing::Values(
                             // Without a multiplexer the channel is 1 whatever the group shows.
                             Ustawienia{1, 0, 2, 0, 5, 0, "$01\tcom1:9600:mux0:1\t5", "#01"},
                             Ustawienia{1, 1, 2, 1, 20, 5, "$5\tcom1:19200:mux1:3\t20", "#5"},
                             Ustawienia{9, 1, 3, 0, 1000, 12, "$12\tcom9:9600:mux1:4\t1000", "#12"},
                             Ustawienia{3, 0, 0, 1, 1, 7, "$7\tcom3:19200:mux0:1\t1", "#7"}));

TEST_F(ZapisParametrow, ReplacesAConfigurationWhateverTheCaseOfItsName) {
    Zapisz("konfig.txt", "$09\tcom4:9600:mux0:1\t3\r\n");
    EXPECT_TRUE(ZapiszWOknie());
    // The dialog showed what the file held: saving it as shown keeps it.
    EXPECT_EQ(Plik("konfig.txt"), "$09\tcom4:9600:mux0:1\t3\r\n");
    EXPECT_FALSE(Istnieje("KONFIG.TXT")) << "one configuration file, not two";
}

struct Usterka {
    std::string nieOtwieraj, nieZapisuj;
    uint8_t kodBledu;
    bool kodPokazany;
};

class NieudanyZapis : public ZapisParametrow, public ::testing::WithParamInterface<Usterka> {};

// Every failure says so and leaves the dialog open for another try.
TEST_P(NieudanyZapis, SaysSoAndLeavesTheDialogOpen) {
    const Usterka& u = GetParam();
    PlikiZawodne(u.nieOtwieraj, u.nieZapisuj);
    Stan().KodBledu = u.kodBledu;
    Stan().NumerKasy = "42";
    Stan().NrKasyZTestu = 9;
    EXPECT_FALSE(ZapiszWOknie());
    // The number changes once "in" is open, as the save then goes on to use it.
    EXPECT_EQ(Stan().NumerKasy, u.nieOtwieraj == "in" ? "42" : "9");
    ASSERT_EQ(dialogi.komunikaty.size(), u.kodPokazany ? 2u : 1u);
    if (u.kodPokazany) {
        EXPECT_EQ(dialogi.komunikaty[0].tekst, Z1250(KomunikatBledu(u.kodBledu)));
        EXPECT_EQ(dialogi.komunikaty[0].tytul, u"Error");
    }
    EXPECT_EQ(dialogi.komunikaty.back().tekst, NieZapisano);
    EXPECT_EQ(dialogi.komunikaty.back().ikona, Ikona::Brak);
    EXPECT_EQ(Stan().KodBledu, u.kodBledu) << "the save does not touch KodBledu";
}

INSTANTIATE_TEST_SUITE_P(Tabela, NieudanyZapis,
                         ::testing::Values(Usterka{"in", "", 0, false},
                                           Usterka{"in", "", 21, false},
                                           Usterka{"KONFIG.TXT", "", 0, false},
                                           Usterka{"", "in", 0, false}, Usterka{"", "in", 21, true},
                                           Usterka{"", "KONFIG.TXT", 0, false},
                                           Usterka{"", "KONFIG.TXT", 21, true}));

// The library puts a file in place only when it is whole: a target it can't
// replace keeps the old configuration.
TEST_F(ZapisParametrow, AFileThatCannotBePutInPlaceKeepsTheOldConfiguration) {
    Zapisz("KONFIG.TXT", "$03\tcom2:9600:mux0:1\t4\r\n");
    std::filesystem::create_directory(kasa->Folder() / "in");
    EXPECT_FALSE(ZapiszWOknie());
    EXPECT_EQ(dialogi.Teksty(), QStringList{NieZapisano});
    EXPECT_EQ(Plik("KONFIG.TXT"), "$03\tcom2:9600:mux0:1\t4\r\n");

    std::filesystem::remove(kasa->Folder() / "in");
    std::filesystem::remove(kasa->Folder() / "KONFIG.TXT");
    std::filesystem::create_directory(kasa->Folder() / "KONFIG.TXT");
    dialogi.komunikaty.clear();
    EXPECT_FALSE(ZapiszWOknie());
    EXPECT_EQ(dialogi.Teksty(), QStringList{NieZapisano});
    EXPECT_EQ(Plik("in"), "#01\r\n#\r\n#\r\n");
}
