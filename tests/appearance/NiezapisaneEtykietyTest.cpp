// Label texts the user typed and saved nowhere are not dropped without a
// question: closing the window, "Odczyt z pliku" and "Układ domyślny" ask
// first, as they do for changed definitions.

#include "OknoTestowe.h"

#include "appearance/PoleNaKlawiszu.h"
#include "tests/support/KatalogTymczasowy.h"

#include <QDir>
#include <QTest>

#include <functional>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {

const QString Niezapisane = u"Teksty na klawiszach zmienione od ostatniego odczytu lub zapisu "
                            u"nie zostały zapisane do pliku.\r"_s;

struct Dzialanie {
    const char* nazwa;
    QString pytanie;
};

const Dzialanie Dzialania[] = {
    {"zamkniecie", Niezapisane + u"Po zamknięciu programu zmiany zostaną utracone.\r"
                                 u"Czy mimo to zakończyć program?"_s},
    {"BitBtnOdczyt", Niezapisane + u"Odczyt zastąpi je tekstami z pliku.\r"
                                   u"Czy mimo to odczytać teksty na klawiszach z pliku?"_s},
    {"Button1", Niezapisane + u"Przywrócenie układu domyślnego je usunie.\r"
                              u"Czy przywrócić domyślny uklad klawiszy?"_s},
};

} // namespace

class PytanieOEtykietach : public OknoTestowe {
protected:
    void SetUp() override {
        poprzedni_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(katalog.sciezka().string()));
        katalog.Zapisz("plan.bm0", "PLIK\r\n");
        OknoTestowe::SetUp();
    }
    void TearDown() override {
        OknoTestowe::TearDown();
        QDir::setCurrent(poprzedni_);
    }
    QString Sciezka(const char* nazwa) const {
        return QString::fromStdString((katalog / nazwa).string());
    }
    PoleNaKlawiszu* Etykieta(const char* nazwa) { return Kontrolka<PoleNaKlawiszu>(nazwa); }
    // "Edycja", then the user types a label on F3.
    void WpiszEtykiete() {
        Kliknij("Button2");
        Etykieta("Edit3")->setText(QString());
        Etykieta("Edit3")->setFocus();
        QTest::keyClicks(Etykieta("Edit3"), u"CHLEB"_s);
        ASSERT_EQ(Etykieta("Edit3")->text(), u"CHLEB");
    }
    // Runs the action; true when it went ahead (the window closed, the file
    // was read, the fields were emptied).
    bool Wykonaj(const Dzialanie& d) {
        const std::string nazwa = d.nazwa;
        if (nazwa == "zamkniecie")
            return okno->close();
        if (nazwa == "BitBtnOdczyt") {
            if (!dialogi.prawdziweKomunikaty)
                dialogi.pliki.push_back(Sciezka("plan.bm0"));
            Kliknij(d.nazwa);
            return Etykieta("Edit1")->text() == u"PLIK";
        }
        Kliknij(d.nazwa);
        return Etykieta("Edit3")->text().isEmpty();
    }

    test::KatalogTymczasowy katalog;

private:
    QString poprzedni_;
};

// Enter in the real question answers "Nie": the typed label stays.
TEST_F(PytanieOEtykietach, EnterKeepsTheTypedLabels) {
    dialogi.prawdziweKomunikaty = true;
    WpiszEtykiete();
    for (const auto& d : Dzialania) {
        SCOPED_TRACE(d.nazwa);
        dialogi.komunikaty.clear();
        NacisnijWOknie(Qt::Key_Return);
        EXPECT_FALSE(Wykonaj(d));
        ASSERT_EQ(dialogi.komunikaty.size(), 1u) << dialogi.Teksty().join(u'|').toStdString();
        const auto& pytanie = dialogi.komunikaty[0];
        EXPECT_EQ(pytanie.tekst, d.pytanie);
        EXPECT_EQ(pytanie.tytul, u"Uwaga");
        EXPECT_EQ(pytanie.ikona, Ikona::Pytanie);
        EXPECT_EQ(pytanie.przyciski, Przyciski::TakNie);
        EXPECT_EQ(pytanie.domyslna, Odpowiedz::Nie);
        EXPECT_TRUE(okno->isVisible());
        EXPECT_EQ(Etykieta("Edit3")->text(), u"CHLEB");
        EXPECT_TRUE(Etykieta("Edit3")->isVisible());
        EXPECT_TRUE(dialogi.dialogiPlikow.empty()) << "no file dialog after No";
    }
}

class NiezapisaneEtykiety : public PytanieOEtykietach,
                            public ::testing::WithParamInterface<Dzialanie> {};

// "Tak" goes ahead; labels as the program put them, or as last saved or
// read, need no question ("Układ domyślny" then asks only its own).
TEST_P(NiezapisaneEtykiety, OnlyTypedLabelsAsk) {
    const Dzialanie& d = GetParam();
    const std::function<void()> przygotowania[] = {
        [] {}, // as the window started
        [this] {
            Kliknij("Button2");
            Etykieta("Edit3")->setText(u"OD PROGRAMU"_s); // as a definition's name is put
        },
        [this] {
            WpiszEtykiete();
            dialogi.pliki.push_back(Sciezka("zapis.bmp"));
            Kliknij("BitBtn1");
        },
        [this] {
            WpiszEtykiete();
            dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
            dialogi.pliki.push_back(Sciezka("plan.bm0"));
            Kliknij("BitBtnOdczyt");
        },
    };
    const bool ukladDomyslny = std::string(d.nazwa) == "Button1";
    for (size_t i = 0; i < std::size(przygotowania); ++i) {
        SCOPED_TRACE("after preparation " + std::to_string(i));
        okno->show();
        przygotowania[i]();
        dialogi.komunikaty.clear();
        if (ukladDomyslny)
            dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        EXPECT_TRUE(Wykonaj(d));
        if (ukladDomyslny) {
            ASSERT_EQ(dialogi.komunikaty.size(), 1u);
            EXPECT_EQ(dialogi.komunikaty[0].tekst, u"Czy przywrócić domyślny uklad klawiszy?");
        } else {
            EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join(u'|').toStdString();
        }
    }
    SCOPED_TRACE("after typing, answered Tak");
    okno->show();
    WpiszEtykiete();
    dialogi.komunikaty.clear();
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    EXPECT_TRUE(Wykonaj(d));
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, d.pytanie);
}

INSTANTIATE_TEST_SUITE_P(Dzialania, NiezapisaneEtykiety, ::testing::ValuesIn(Dzialania),
                         [](const auto& przypadek) { return std::string(przypadek.param.nazwa); });
