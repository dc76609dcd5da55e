// The main window as laid out: places, captions, fonts, tab order, the
// state it starts in and the default button.

#include "OknoTestowe.h"

#include "appearance/PoleNaKlawiszu.h"
#include "widgets/GrupaRadiowa.h"
#include "widgets/StylPodpowiedzi.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
struct Miejsce {
    const char* nazwa;
    int x, y, w, h;
};

const Miejsce Miejsca[] = {
    {"iWkladka", 0, 0, 358, 406},       {"rgAlty", 0, 408, 361, 33},
    {"rgDefinicja", 371, 8, 231, 57},   {"cbTowary", 401, 72, 201, 21},
    {"cbFunkcja", 420, 72, 180, 21},    {"cbPlatnosc", 430, 72, 140, 21},
    {"Edit10", 449, 95, 97, 21},        {"Button5", 532, 160, 71, 26},
    {"bOdczyt", 392, 224, 97, 25},      {"bZapis", 496, 224, 89, 25},
    {"Button4", 393, 255, 95, 26},      {"bKasowanie", 496, 256, 89, 25},
    {"bOdczytPlik", 392, 288, 97, 25},  {"bZapisPlik", 496, 288, 89, 25},
    {"Button2", 392, 348, 83, 25},      {"bbDrukuj", 493, 348, 91, 25},
    {"BitBtnOdczyt", 392, 375, 81, 26}, {"BitBtn1", 496, 375, 89, 26},
    {"bCzcionka", 392, 407, 82, 26},    {"Button1", 491, 407, 95, 26},
    {"Edit1", 84, 12, 46, 16},          {"Edit5", 11, 78, 48, 19},
    {"Edit9a", 295, 94, 50, 16},        {"e6", 245, 213, 30, 17},
    {"e4a", 104, 229, 28, 16},          {"e0a", 105, 362, 26, 16},
};

struct Napis {
    const char* nazwa;
    const char* tekst; // UTF-8
    int punkty;
};

const Napis NapisyPrzyciskow[] = {
    {"bOdczyt", "Odczyt z kasy", 8},
    {"bZapis", "Zapis do kasy", 8},
    {"Button4", "Połączenie", 9},
    {"bKasowanie", "Kasowanie", 8},
    {"bOdczytPlik", "Odczyt z pliku", 8},
    {"bZapisPlik", "Zapis do pliku", 8},
    {"Button2", "Edycja", 9},
    {"bbDrukuj", "Wydruk", 9},
    {"BitBtnOdczyt", "Odczyt z pliku", 9},
    {"BitBtn1", "Zapis do pliku", 9},
    {"bCzcionka", "Czcionka", 9},
    {"Button1", "Układ domyślny", 9},
    {"Button5", "Zatwierdź", 9},
};

// A place on the form below the menu bar, as the layout tables give it.
QPoint WOknie(const QWidget* w) {
    return w->mapTo(w->window()->findChild<QWidget*>(u"Formularz"_s), QPoint(0, 0));
}
} // namespace

using UkladOkna = OknoTestowe;

TEST_F(UkladOkna, CaptionAndClientSize) {
    EXPECT_EQ(okno->windowTitle(), u"Definiowanie klawiszy w kasie VARKO ORBA (ver.1.50)");
    // The form keeps its client area; the window grows by the menu bar only.
    const auto* pasek = Kontrolka<QMenuBar>("PasekMenu");
    EXPECT_EQ(okno->Formularz().size(), QSize(610, 441));
    EXPECT_EQ(okno->Formularz().pos(), QPoint(0, pasek->height()));
    EXPECT_EQ(okno->size(), QSize(610, 441 + pasek->height()));
    EXPECT_GT(pasek->height(), 0);
    EXPECT_EQ(okno->font().family(), u"MS Sans Serif");
    EXPECT_EQ(okno->font().pointSize(), 9);
}

TEST_F(UkladOkna, EveryControlIsWhereTheFormPutsIt) {
    for (const auto& m : Miejsca) {
        const QWidget* w = Kontrolka(m.nazwa);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(QRect(WOknie(w), w->size()), QRect(m.x, m.y, m.w, m.h)) << m.nazwa;
    }
}

// A check box may grow to the right when the font needs more room.
TEST_F(UkladOkna, CheckBoxesKeepTheirPlaceAndGrowOnlyRightward) {
    const Miejsce pola[] = {{"cbPojedynczo", 433, 95, 129, 18},
                            {"cbZaplata", 433, 119, 153, 18},
                            {"cbParagon", 433, 143, 137, 17}};
    for (const auto& m : pola) {
        const QWidget* w = Kontrolka(m.nazwa);
        EXPECT_EQ(WOknie(w), QPoint(m.x, m.y)) << m.nazwa;
        EXPECT_EQ(w->height(), m.h) << m.nazwa;
        EXPECT_GE(w->width(), m.w) << m.nazwa;
        EXPECT_LE(m.x + w->width(), 606) << m.nazwa;
    }
}

TEST_F(UkladOkna, LabelsStartAtTheirPlaces) {
    const Miejsce etykiety[] = {{"Label1", 414, 77, 0, 0},  {"Label2", 377, 76, 0, 0},
                                {"Label3", 371, 76, 0, 0},  {"Label4", 371, 101, 0, 0},
                                {"Label5", 550, 101, 0, 0}, {"Klawisz", 377, 161, 0, 0}};
    for (const auto& m : etykiety)
        EXPECT_EQ(WOknie(Kontrolka(m.nazwa)), QPoint(m.x, m.y)) << m.nazwa;
    EXPECT_EQ(Kontrolka<QLabel>("Label2")->text(), u"Funkcja: ");
    EXPECT_EQ(Kontrolka<QLabel>("Label3")->text(), u"Płatność:");
    EXPECT_EQ(Kontrolka<QLabel>("Label4")->text(), u"Kwota:");
    EXPECT_EQ(Kontrolka<QLabel>("Label5")->text(), u"ZŁ");
    EXPECT_EQ(Kontrolka<QLabel>("Klawisz")->font().pointSize(), 13);
}

TEST_F(UkladOkna, ButtonCaptionsAndFonts) {
    for (const auto& n : NapisyPrzyciskow) {
        const auto* p = Kontrolka<QPushButton>(n.nazwa);
        EXPECT_EQ(p->text(), QString::fromUtf8(n.tekst)) << n.nazwa;
        EXPECT_EQ(p->font().family(), u"MS Sans Serif") << n.nazwa;
        EXPECT_EQ(p->font().pointSize(), n.punkty) << n.nazwa;
    }
    QStringList tytuly;
    for (const auto* g : okno->findChildren<QGroupBox*>()) {
        if (qobject_cast<const GrupaRadiowa*>(g) == nullptr) {
            tytuly << g->title();
            EXPECT_EQ(g->font().pointSize(), 10);
        }
    }
    tytuly.sort();
    EXPECT_EQ(tytuly, QStringList({u"Definicje klawiszy"_s, u"Wygląd klawiatury"_s}));
}

// With whatever font stands in for the form's, no caption is cut off.
TEST_F(UkladOkna, EveryCaptionFitsItsControl) {
    for (auto* przycisk : okno->Formularz().findChildren<QAbstractButton*>()) {
        if (!przycisk->isVisible())
            przycisk->show();
        const int potrzebna = qobject_cast<QPushButton*>(przycisk)
                                  ? przycisk->fontMetrics().horizontalAdvance(przycisk->text()) + 4
                                  : przycisk->sizeHint().width();
        EXPECT_LE(potrzebna, przycisk->width()) << przycisk->text().toStdString();
        EXPECT_LE(przycisk->fontMetrics().height(), przycisk->height())
            << przycisk->text().toStdString();
    }
}

TEST_F(UkladOkna, RadioGroupsAndChoosers) {
    const auto* alty = Grupa("rgAlty");
    const QStringList warianty{u"LEWY+PRAWY ALT"_s, u"LEWY    ALT"_s, u"PRAWY ALT"_s, u"BEZP."_s};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(alty->Przycisk(i)->text(), warianty[i]);
    EXPECT_EQ(alty->ItemIndex(), 3);
    EXPECT_EQ(alty->font().family(), u"Arial");
    EXPECT_EQ(alty->font().pointSize(), 8);
    // Four columns: all items on one row.
    EXPECT_EQ(alty->Przycisk(0)->y(), alty->Przycisk(3)->y());
    const auto* rodzaje = Grupa("rgDefinicja");
    EXPECT_EQ(rodzaje->title(), u"Definicja klawisza");
    EXPECT_EQ(rodzaje->Przycisk(3)->text(), u"3 - PŁATNOŚĆ");
    // Two columns, filled column by column.
    EXPECT_EQ(rodzaje->Przycisk(0)->x(), rodzaje->Przycisk(1)->x());
    EXPECT_LT(rodzaje->Przycisk(1)->x(), rodzaje->Przycisk(2)->x());
    EXPECT_EQ(Wybor("cbFunkcja")->count(), 19);
    EXPECT_EQ(Wybor("cbFunkcja")->itemText(1), u"02   WŁĄCZENIE    KASJERA");
    EXPECT_EQ(Wybor("cbFunkcja")->itemText(17), u"18   WYŁĄCZENIE KASY");
    const QStringList platnosci{u"GOTÓWKA"_s, u"PŁATNOŚĆ  1"_s, u"PŁATNOŚĆ  2"_s, u"PŁATNOŚĆ  3"_s,
                                u"EURO"_s};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Wybor("cbPlatnosc")->itemText(i), platnosci[i]);
    EXPECT_EQ(Kontrolka<QCheckBox>("cbZaplata")->text(), u"Obowiązek wpisania ceny");
    EXPECT_EQ(Kontrolka<QCheckBox>("cbPojedynczo")->text(), u"Sprzedaż jednej sztuki");
    EXPECT_EQ(Kontrolka<QCheckBox>("cbParagon")->text(), u"Zakończenie paragonu");
}

TEST_F(UkladOkna, StartsOnF1OfBezpUndefinedWithEveryLabelHidden) {
    EXPECT_EQ(NazwaKlawisza(), u"F1");
    EXPECT_EQ(Rodzaj(), 0);
    EXPECT_TRUE(Grupa("rgDefinicja")->isVisible());
    EXPECT_TRUE(Kontrolka("Button5")->isVisible());
    EXPECT_EQ(Kontrolka<QLabel>("lKlawisz")->text(), u"0");
    EXPECT_FALSE(Kontrolka("lKlawisz")->isVisible());
    for (const char* ukryta : {"cbTowary", "cbFunkcja", "cbPlatnosc", "Edit10", "cbPojedynczo",
                               "Label2", "Label3", "Label4", "Label5"})
        EXPECT_FALSE(Kontrolka(ukryta)->isVisible()) << ukryta;
    EXPECT_EQ(Pole("Edit10")->text(), u"0");
    EXPECT_EQ(Wybor("cbPlatnosc")->currentIndex(), 0);
    EXPECT_EQ(Wybor("cbFunkcja")->currentIndex(), 0);
    for (auto* pole : okno->findChildren<PoleNaKlawiszu*>()) {
        EXPECT_FALSE(pole->isVisible()) << pole->objectName().toStdString();
        EXPECT_TRUE(pole->text().isEmpty());
    }
    EXPECT_EQ(okno->findChildren<PoleNaKlawiszu*>().size(), 38);
}

TEST_F(UkladOkna, HiddenFileDialogsStartInTheCurrentFolder) {
    EXPECT_EQ(okno->OKlawisze.filtr, u"Pliki tekstowe|*.txt|Wszystkie pliki|*.*");
    EXPECT_EQ(okno->OKlawisze.domyslneRozszerzenie, u"txt");
    EXPECT_EQ(okno->zklawisze.filtr, okno->OKlawisze.filtr);
    EXPECT_EQ(okno->Save.filtr, u"Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(okno->oBitmapa.filtr, u"Definicje tekstów na klawiszach (*.bm0)|*.bm0");
    EXPECT_EQ(okno->oBitmapa.domyslneRozszerzenie, u"bm0");
    for (const auto* d : {&okno->OKlawisze, &okno->zklawisze, &okno->Save})
        EXPECT_EQ(d->folder, QDir::currentPath());
}

TEST_F(UkladOkna, HintsComeAfterTenMillisecondsAndStayOneSecond) {
    EXPECT_EQ(okno->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 10);
    EXPECT_EQ(Kontrolka("bOdczyt")->toolTipDuration(), 1000);
}

TEST_F(UkladOkna, CentredOnTheDesktop) {
    okno->Wysrodkuj();
    const QRect ekran = okno->screen()->availableGeometry();
    const QPoint roznica = okno->frameGeometry().center() - ekran.center();
    EXPECT_LE(roznica.manhattanLength(), 2);
}

TEST_F(UkladOkna, TabOrder) {
    QStringList oczekiwana;
    for (const char* klawisz :
         {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "e7",
          "e8", "e9", "e4", "e5", "e6", "e1", "e2", "e3", "e0"}) {
        oczekiwana << QString::fromLatin1(klawisz) << QString::fromLatin1(klawisz) + u'a';
    }
    oczekiwana << u"rgDefinicja"_s << u"cbPojedynczo"_s << u"cbZaplata"_s << u"cbParagon"_s
               << u"cbFunkcja"_s << u"cbPlatnosc"_s << u"Button5"_s << u"Edit10"_s << u"cbTowary"_s
               << u"rgAlty"_s << u"bOdczyt"_s << u"bZapis"_s << u"Button4"_s << u"bKasowanie"_s
               << u"bOdczytPlik"_s << u"bZapisPlik"_s << u"Button2"_s << u"bbDrukuj"_s
               << u"BitBtnOdczyt"_s << u"BitBtn1"_s << u"bCzcionka"_s << u"Button1"_s;
    // Walk the focus chain; a radio button stands for its group.
    QStringList kolejnosc;
    QWidget* w = Kontrolka("Edit1");
    for (int krok = 0; krok < 200 && kolejnosc.size() < oczekiwana.size(); ++krok) {
        QString nazwa = w->objectName();
        if (qobject_cast<QRadioButton*>(w))
            nazwa = w->parentWidget()->objectName();
        const bool tabem = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (tabem && oczekiwana.contains(nazwa) &&
            (kolejnosc.isEmpty() || kolejnosc.last() != nazwa))
            kolejnosc << nazwa;
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(kolejnosc.join(u' '), oczekiwana.join(u' '));
}

TEST_F(UkladOkna, EnterActsOnZatwierdzFromAnyControlButAButton) {
    KliknijPozycje("rgDefinicja", 2); // focus goes to the function chooser
    ASSERT_EQ(QApplication::focusWidget(), Wybor("cbFunkcja"));
    QTest::keyClick(Wybor("cbFunkcja"), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Slot(3, 0).Rodzaj, 2);
    EXPECT_EQ(Slot(3, 0).Numer, 2);

    Wybor("cbFunkcja")->setCurrentIndex(5);
    Kontrolka("bOdczyt")->setFocus();
    QTest::keyClick(Kontrolka("bOdczyt"), Qt::Key_Return);
    EXPECT_EQ(Slot(3, 0).Numer, 2) << "Enter on a button presses that button";

    // From a label field (the keypad's Enter too).
    Kliknij("Button2");
    Pole("Edit1a")->setFocus(Qt::MouseFocusReason);
    Wybor("cbFunkcja")->setCurrentIndex(5);
    QTest::keyClick(Pole("Edit1a"), Qt::Key_Enter);
    EXPECT_EQ(Slot(3, 0).Numer, 6);
}

// Alt and the underlined letter open the menu, and a letter picks its entry.
TEST_F(UkladOkna, AltKOpensTheKasaMenuAndPChoosesSerialPorts) {
    const auto* pasek = Kontrolka<QMenuBar>("PasekMenu");
    ASSERT_EQ(pasek->actions().size(), 3);
    EXPECT_EQ(pasek->actions()[0]->text(), u"&Kasa");
    EXPECT_EQ(pasek->actions()[1]->text(), u"&Wydruk");
    EXPECT_EQ(pasek->actions()[2]->text(), u"Po&moc");
    auto* kasa = Kontrolka<QMenu>("MenuKasa");
    EXPECT_EQ(kasa->actions()[0]->text(), u"&Porty szeregowe...");
    QTest::keyClick(okno.get(), Qt::Key_K, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([kasa] { return kasa->isVisible(); }, 2000));
    dialogi.okna.push_back([](QDialog& o) {
        EXPECT_EQ(o.windowTitle(), u"Porty szeregowe");
        o.reject();
    });
    QTest::keyClick(kasa, Qt::Key_P);
    EXPECT_EQ(dialogi.pokazaneOkna, 1);
    EXPECT_FALSE(kasa->isVisible());
}

// Saves the window as the user sees it when ORBAKLAW_ZRZUT names a PNG file.
// Run by hand only (README, "Working on it"); CTest does not list it.
TEST_F(UkladOkna, Zrzut) {
    const QString plik = qEnvironmentVariable("ORBAKLAW_ZRZUT");
    if (plik.isEmpty())
        GTEST_SKIP() << "ORBAKLAW_ZRZUT does not name a PNG file to save the window to";
    Kliknij("Button2");
    Pole("Edit1")->setText(u"GOTÓWK"_s);
    Pole("Edit1a")->setText(u"ŻÓŁĆĘŚĄŹ"_s);
    Pole("e7")->setText(u"GOT"_s);
    Pole("e7a")->setText(u"WWWW"_s);
    QTest::qWait(50);
    EXPECT_TRUE(okno->grab().save(plik));
    KliknijPozycje("rgDefinicja", 1);
    QTest::qWait(50);
    EXPECT_TRUE(okno->grab().save(plik + u"-towar.png"_s));
    KliknijPozycje("rgDefinicja", 3);
    QTest::qWait(50);
    EXPECT_TRUE(okno->grab().save(plik + u"-platnosc.png"_s));
    // The communication dialog and the serial ports dialog of "Kasa".
    for (const QString& nazwa : {u"-komunikacja.png"_s, u"-porty.png"_s}) {
        dialogi.okna.push_back([plik, nazwa](QDialog& o) {
            QTest::qWait(50);
            EXPECT_TRUE(o.grab().save(plik + nazwa));
        });
    }
    Kliknij("Button4");
    Kontrolka<QMenu>("MenuKasa")->actions()[0]->trigger();
}
