// "Parametry komunikacji": the layout, the channel switch, cancelling, and
// the values kept between showings.

#include "KasaTestowa.h"

#include "comm/TOknoKomunik.h"
#include "widgets/GrupaRadiowa.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
QStringList Pozycje(const GrupaRadiowa* g) {
    QStringList p;
    for (int i = 0; i < g->Liczba(); ++i)
        p << g->Przycisk(i)->text();
    return p;
}
} // namespace

using OknoKomunik = KasaTestowa;

TEST_F(OknoKomunik, ControlsAsDesigned) {
    TOknoKomunik& o = Okno();
    EXPECT_FALSE(o.isVisible()) << "created hidden";
    EXPECT_EQ(o.windowTitle(), u"Parametry komunikacji");
    EXPECT_EQ(o.size(), QSize(606, 232)) << "the form's 202 and the port's device below";
    EXPECT_EQ(o.minimumSize(), o.maximumSize()) << "fixed size";
    EXPECT_EQ(o.parentWidget(), okno.get()) << "centred on its owner";

    struct Licznik {
        QSpinBox* s;
        int od, do_, wartosc, znaki;
        const char* etykieta;
    };
    for (const auto& l : {Licznik{o.seCOM, 1, 9, 1, 1, "COM"},
                          Licznik{o.WartoscTimeout, 1, 1000, 5, 4, "Timeout"}}) {
        SCOPED_TRACE(l.etykieta);
        EXPECT_EQ(l.s->minimum(), l.od);
        EXPECT_EQ(l.s->maximum(), l.do_);
        EXPECT_EQ(l.s->value(), l.wartosc);
        EXPECT_EQ(l.s->findChild<QLineEdit*>()->maxLength(), l.znaki);
    }
    EXPECT_EQ(o.Label1->text(), u"COM");
    EXPECT_EQ(o.Label2->text(), u"Timeout");

    struct Grupa {
        GrupaRadiowa* g;
        QString tytul;
        QStringList pozycje;
        bool wlaczona;
    };
    for (const auto& g :
         {Grupa{o.GrupaMux, u"Typ multipleksera"_s, {u"bez multipleksera"_s, u"MUX 1"_s}, true},
          Grupa{o.GrupaKanal, u" Kanał "_s, {u"nr 1"_s, u"nr 2"_s, u"nr 3"_s, u"nr 4"_s}, false},
          Grupa{o.GrupaSzybkosc, u"Szybkość transmisji"_s, {u"9600"_s, u"19200"_s}, true}}) {
        SCOPED_TRACE(g.g->objectName().toStdString());
        EXPECT_EQ(g.g->title(), g.tytul);
        EXPECT_EQ(Pozycje(g.g), g.pozycje);
        EXPECT_EQ(g.g->ItemIndex(), 0);
        EXPECT_EQ(g.g->isEnabled(), g.wlaczona);
    }
    EXPECT_EQ(o.KlawEsc->text(), u"Anuluj");
    EXPECT_EQ(o.KlawZapis->text(), u"Zapisz");
    EXPECT_EQ(o.KlawPolacz->text(), u"Połącz");
    EXPECT_TRUE(o.KlawZapis->isEnabled());
    for (const char* nazwa : {"seCOM", "WartoscTimeout", "GrupaMux", "GrupaKanal", "GrupaSzybkosc",
                              "KlawEsc", "KlawZapis", "KlawPolacz"})
        EXPECT_NE(o.findChild<QWidget*>(QString::fromLatin1(nazwa)), nullptr) << nazwa;
}

TEST_F(OknoKomunik, TabOrderAndFirstFocus) {
    QWidget* fokus = nullptr;
    QStringList kolejnosc;
    OtworzOkno([&](TOknoKomunik& o) {
        fokus = o.focusWidget();
        QWidget* w = o.WartoscTimeout;
        for (int i = 0; i < 20 && kolejnosc.size() < 14; ++i) {
            const QString nazwa = w->objectName();
            if (auto* r = qobject_cast<QRadioButton*>(w))
                kolejnosc << r->parentWidget()->objectName() + u':' + r->text();
            else if (!nazwa.isEmpty() && (kolejnosc.isEmpty() || kolejnosc.back() != nazwa))
                kolejnosc << nazwa;
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || w->objectName() == u"qt_spinbox_lineedit")
                w = w->nextInFocusChain();
        }
    });
    EXPECT_EQ(fokus, Okno().KlawPolacz);
    const QStringList oczekiwana{u"WartoscTimeout"_s,
                                 u"GrupaMux:bez multipleksera"_s,
                                 u"GrupaMux:MUX 1"_s,
                                 u"GrupaSzybkosc:9600"_s,
                                 u"GrupaSzybkosc:19200"_s,
                                 u"GrupaKanal:nr 1"_s,
                                 u"GrupaKanal:nr 2"_s,
                                 u"GrupaKanal:nr 3"_s,
                                 u"GrupaKanal:nr 4"_s,
                                 u"KlawEsc"_s,
                                 u"KlawZapis"_s,
                                 u"KlawPolacz"_s,
                                 u"seCOM"_s,
                                 u"WartoscTimeout"_s};
    EXPECT_EQ(kolejnosc, oczekiwana);
}

TEST_F(OknoKomunik, MultiplexerSwitchesTheChannelGroupAndKeepsItsChoice) {
    OtworzOkno([&](TOknoKomunik& o) {
        KliknijPozycje("GrupaMux", 1);
        EXPECT_TRUE(o.GrupaKanal->isEnabled());
        KliknijPozycje("GrupaKanal", 2);
        KliknijPozycje("GrupaMux", 0);
        EXPECT_FALSE(o.GrupaKanal->isEnabled());
        EXPECT_EQ(o.GrupaKanal->ItemIndex(), 2);
        EXPECT_EQ(o.Ustawienia().kanal, 3);
        Kliknij(o.KlawEsc);
    });
}

TEST_F(OknoKomunik, CancelLeavesTheFilesAndKeepsTheControlsForTheNextShowing) {
    Zapisz("KONFIG.TXT", "$07\tcom2:19200:mux0:1\t9\r\n");
    bool zamkniete = false;
    OtworzOkno([&](TOknoKomunik& o) {
        o.seCOM->setValue(4);
        KliknijPozycje("GrupaSzybkosc", 1);
        Kliknij(o.KlawEsc);
        zamkniete = !o.isVisible();
    });
    EXPECT_TRUE(zamkniete);
    EXPECT_EQ(dialogi.pokazaneOkna, 1);
    EXPECT_EQ(Plik("KONFIG.TXT"), "$07\tcom2:19200:mux0:1\t9\r\n");
    EXPECT_FALSE(Istnieje("in"));
    EXPECT_TRUE(dialogi.komunikaty.empty());
    OtworzOkno([&](TOknoKomunik& o) {
        EXPECT_EQ(o.seCOM->value(), 4);
        EXPECT_EQ(o.GrupaSzybkosc->ItemIndex(), 1);
    });
    EXPECT_EQ(dialogi.pokazaneOkna, 2);
}

namespace {
// Keys pressed where the focus is, as a user types them.
void NacisnijKlawisz(TOknoKomunik& o, Qt::Key klawisz) {
    QWidget* fokus = QApplication::focusWidget();
    QTest::keyClick(fokus != nullptr ? fokus : static_cast<QWidget*>(&o), klawisz);
}

void Aktywuj(TOknoKomunik& o, QWidget* pole) {
    o.activateWindow();
    QApplication::setActiveWindow(&o);
    pole->setFocus(Qt::TabFocusReason);
}
} // namespace

// Enter in a field or on a radio button saves what the dialog shows,
// never discards it.
TEST_F(OknoKomunik, EnterInAFieldOrOnARadioButtonSaves) {
    struct Przypadek {
        const char* gdzie;
        std::function<QWidget*(TOknoKomunik&)> pole;
    };
    const std::vector<Przypadek> przypadki{
        {"seCOM", [](TOknoKomunik& o) -> QWidget* { return o.seCOM; }},
        {"WartoscTimeout", [](TOknoKomunik& o) -> QWidget* { return o.WartoscTimeout; }},
        {"GrupaSzybkosc", [](TOknoKomunik& o) -> QWidget* { return o.GrupaSzybkosc->Przycisk(1); }},
        {"GrupaMux", [](TOknoKomunik& o) -> QWidget* { return o.GrupaMux->Przycisk(0); }},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.gdzie);
        std::filesystem::remove(kasa->Folder() / "KONFIG.TXT");
        bool zamkniete = false;
        OtworzOkno([&](TOknoKomunik& o) {
            o.seCOM->setValue(3);
            o.WartoscTimeout->setValue(7);
            KliknijPozycje("GrupaSzybkosc", 1);
            Aktywuj(o, p.pole(o));
            NacisnijKlawisz(o, Qt::Key_Return);
            zamkniete = !o.isVisible();
        });
        EXPECT_TRUE(zamkniete);
        EXPECT_EQ(Plik("KONFIG.TXT"), "$01\tcom3:19200:mux0:1\t7\r\n");
    }
}

// A typed value out of range is corrected on screen when the field is
// left or Enter is pressed: what is saved is what is shown.
TEST_F(OknoKomunik, WhatIsSavedIsWhatIsShown) {
    struct Przypadek {
        const char* pole;
        const char* wpisane;
        // Enter; a click on "Zapisz"; or "Zapisz" pressed while the focus stays
        // in the field (as a shortcut or an accessibility tool does it)
        enum { Enter, Klik, BezFokusu } jak;
    };
    for (const auto& p :
         {Przypadek{"seCOM", "0", Przypadek::Enter}, Przypadek{"seCOM", "0", Przypadek::Klik},
          Przypadek{"seCOM", "0", Przypadek::BezFokusu},
          Przypadek{"WartoscTimeout", "0", Przypadek::Enter},
          Przypadek{"WartoscTimeout", "0", Przypadek::Klik},
          Przypadek{"WartoscTimeout", "0", Przypadek::BezFokusu}}) {
        SCOPED_TRACE(std::string(p.pole) + " " + std::to_string(p.jak));
        std::filesystem::remove(kasa->Folder() / "KONFIG.TXT");
        QString pokazane;
        OtworzOkno([&](TOknoKomunik& o) {
            QSpinBox* s = std::string(p.pole) == "seCOM" ? o.seCOM : o.WartoscTimeout;
            s->setValue(s == o.seCOM ? 2 : 30);
            Aktywuj(o, s);
            s->selectAll();
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(p.wpisane));
            if (p.jak == Przypadek::Enter)
                NacisnijKlawisz(o, Qt::Key_Return);
            else if (p.jak == Przypadek::Klik)
                Kliknij(o.KlawZapis);
            else
                o.KlawZapis->click();
            pokazane = s->text();
            if (o.isVisible())
                Kliknij(o.KlawEsc);
        });
        const std::string konfiguracja = Plik("KONFIG.TXT");
        ASSERT_FALSE(konfiguracja.empty());
        const std::string zapisane =
            std::string(p.pole) == "seCOM"
                ? konfiguracja.substr(konfiguracja.find("com") + 3, 1)
                : konfiguracja.substr(konfiguracja.rfind('\t') + 1,
                                      konfiguracja.size() - konfiguracja.rfind('\t') - 3);
        EXPECT_EQ(pokazane.toStdString(), zapisane);
    }
}

namespace {
struct Pokazane {
    int com, szybkosc, mux, kanal, timeout;
    bool operator==(const Pokazane&) const = default;
};
Pokazane CoPokazuje(const TOknoKomunik& o) {
    return {o.seCOM->value(), o.GrupaSzybkosc->ItemIndex(), o.GrupaMux->ItemIndex(),
            o.GrupaKanal->ItemIndex(), o.WartoscTimeout->value()};
}
} // namespace

// The dialog opens showing what a KONFIG.TXT that reads well holds, and
// "Zapisz" keeps its register number; without such a file it shows what it
// showed before (the design values at first). The showings follow one
// another in one run, as a user's do.
TEST_F(OknoKomunik, OpensShowingTheConfigurationAndSavingKeepsItsNumber) {
    struct Przypadek {
        const char* jak;
        std::optional<std::string> konfiguracja; // none: no file
        Pokazane pokazane;
        bool kanalWlaczony;
        std::string zapisane; // after Enter ("Zapisz", the default)
    };
    const std::vector<Przypadek> przypadki{
        {"no file: the design values",
         std::nullopt,
         {1, 0, 0, 0, 5},
         false,
         "$01\tcom1:9600:mux0:1\t5\r\n"},
        {"register 05 behind a multiplexer",
         "$05\tcom3:19200:mux1:4\t20\r\n",
         {3, 1, 1, 3, 20},
         true,
         "$05\tcom3:19200:mux1:4\t20\r\n"},
        {"a one-digit number after a blank line",
         "\r\n$7\tcom2:9600:mux0:1\t9\r\n",
         {2, 0, 0, 0, 9},
         false,
         "$7\tcom2:9600:mux0:1\t9\r\n"},
        {"a port the library refuses: what was shown stays",
         "$05\tcom12:9600:mux0:1\t5\r\n",
         {2, 0, 0, 0, 9},
         false,
         "$01\tcom2:9600:mux0:1\t9\r\n"},
        {"a file of blanks: what was shown stays",
         "  \r\n",
         {2, 0, 0, 0, 9},
         false,
         "$01\tcom2:9600:mux0:1\t9\r\n"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.jak);
        std::filesystem::remove(kasa->Folder() / "KONFIG.TXT");
        if (p.konfiguracja)
            Zapisz("KONFIG.TXT", *p.konfiguracja);
        Pokazane pokazane{};
        bool kanal = false;
        OtworzOkno([&](TOknoKomunik& o) {
            pokazane = CoPokazuje(o);
            kanal = o.GrupaKanal->isEnabled();
            Aktywuj(o, o.WartoscTimeout);
            NacisnijKlawisz(o, Qt::Key_Return);
        });
        EXPECT_EQ(pokazane, p.pokazane);
        EXPECT_EQ(kanal, p.kanalWlaczony);
        EXPECT_EQ(Plik("KONFIG.TXT"), p.zapisane);
    }
}
