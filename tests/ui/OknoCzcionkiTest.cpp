// The label font dialog: the embedded font chooser is part of one dialog,
// and OK without a change gives back exactly the font in use.

#include "ui/OknoCzcionki.h"
#include "ui/Czcionki.h"
#include "ui/DialogiQt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace orbaklaw;

namespace {
// The chooser's lists (face, style, size) and its size field.
std::vector<QWidget*> PolaWyboru(QDialog& okno) {
    std::vector<QWidget*> pola;
    for (auto* lista : okno.findChildren<QListView*>())
        pola.push_back(lista);
    for (auto* pole : okno.findChildren<QLineEdit*>())
        pola.push_back(pole);
    return pola;
}

void Pokaz(QDialog& okno) {
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
}
} // namespace

TEST(OknoCzcionki, EnterAndEscapeInTheChooserActOnTheWholeDialog) {
    const WyborCzcionki wKtorej{CzcionkaOkna(9), QColor(Qt::black)};
    for (const Qt::Key klawisz : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        OknoCzcionki probne(wKtorej, nullptr);
        const auto pola = PolaWyboru(probne);
        ASSERT_GE(pola.size(), 4u);
        for (size_t i = 0; i < pola.size(); ++i) {
            OknoCzcionki okno(wKtorej, nullptr);
            Pokaz(okno);
            QWidget* tutaj = PolaWyboru(okno).at(i);
            tutaj->setFocus(Qt::TabFocusReason);
            QTest::keyClick(tutaj, klawisz);
            EXPECT_FALSE(okno.isVisible()) << tutaj->metaObject()->className() << " " << klawisz;
            EXPECT_EQ(okno.result(),
                      klawisz == Qt::Key_Escape ? QDialog::Rejected : QDialog::Accepted)
                << tutaj->metaObject()->className() << " " << klawisz;
            EXPECT_TRUE(okno.findChild<QFontDialog*>()->isVisibleTo(&okno))
                << "the chooser is never hidden on its own";
            EXPECT_FALSE(okno.findChild<QFontDialog*>()->isSizeGripEnabled())
                << "no size grip in the middle of the dialog";
        }
    }
}

TEST(OknoCzcionki, OkWithoutAChangeKeepsTheFontInUseExactly) {
    QFont pogrubiona = CzcionkaOkna(9);
    pogrubiona.setBold(true);
    for (const QFont& wUzyciu : {CzcionkaOkna(9), CzcionkaOkna(8), pogrubiona}) {
        OknoCzcionki okno({wUzyciu, QColor(Qt::darkBlue)}, nullptr);
        Pokaz(okno);
        QTest::mouseClick(okno.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        ASSERT_EQ(okno.result(), QDialog::Accepted);
        const WyborCzcionki wybor = okno.Wybor();
        EXPECT_EQ(wybor.czcionka, wUzyciu) << wybor.czcionka.toString().toStdString();
        EXPECT_EQ(wybor.czcionka.family(), wUzyciu.family());
        EXPECT_EQ(QFontInfo(wybor.czcionka).family(), QFontInfo(wUzyciu).family());
        EXPECT_EQ(wybor.kolor, QColor(Qt::darkBlue));
    }
}

TEST(OknoCzcionki, TheChooserShowsTheFaceThatIsDrawnAndAChangedSizeKeepsIt) {
    const QFont wUzyciu = CzcionkaOkna(9);
    OknoCzcionki okno({wUzyciu, QColor(Qt::black)}, nullptr);
    Pokaz(okno);
    auto* wybor = okno.findChild<QFontDialog*>();
    EXPECT_EQ(wybor->currentFont().family(), QFontInfo(wUzyciu).family());
    EXPECT_EQ(wybor->currentFont().pointSize(), 9);
    QFont wieksza = wybor->currentFont();
    wieksza.setPointSize(12);
    wybor->setCurrentFont(wieksza);
    okno.accept();
    EXPECT_EQ(okno.Wybor().czcionka.pointSize(), 12);
    EXPECT_EQ(QFontInfo(okno.Wybor().czcionka).family(), QFontInfo(wUzyciu).family());
    EXPECT_EQ(QFontInfo(okno.Wybor().czcionka).styleName(), QFontInfo(wUzyciu).styleName())
        << "the same face, only larger";
}

// The real dialog as the program shows it (modal), confirmed with Enter.
TEST(OknoCzcionki, TheProgramsDialogConfirmedUnchangedGivesBackTheFontInUse) {
    DialogiQt dialogi;
    const WyborCzcionki wUzyciu{CzcionkaOkna(9), QColor(Qt::black)};
    bool nacisniety = false;
    QTimer czekanie;
    czekanie.setInterval(50);
    QObject::connect(&czekanie, &QTimer::timeout, [&] {
        QWidget* okno = QApplication::activeModalWidget();
        if (okno == nullptr || nacisniety)
            return;
        nacisniety = true;
        QWidget* fokus = okno->focusWidget() ? okno->focusWidget() : okno;
        QTest::keyClick(fokus, Qt::Key_Return);
    });
    czekanie.start();
    const auto wybor = dialogi.Czcionka(wUzyciu);
    ASSERT_TRUE(wybor.has_value());
    EXPECT_EQ(wybor->czcionka, wUzyciu.czcionka);
    EXPECT_EQ(wybor->kolor, wUzyciu.kolor);
}

// Typing a face's name into the chooser's face list walks through other
// faces on the way; the style the user chose stays (a face without it gets
// its own of the same weight and slant).
TEST(OknoCzcionki, TypingAFaceNameKeepsTheChosenStyle) {
    QFont zwykla(QStringLiteral("DejaVu Sans"), 9);
    QFont pochyla = zwykla;
    pochyla.setItalic(true);
    for (const QFont& wUzyciu : {CzcionkaOkna(9), zwykla, pochyla}) {
        SCOPED_TRACE(wUzyciu.toString().toStdString());
        OknoCzcionki okno({wUzyciu, QColor(Qt::black)}, nullptr);
        Pokaz(okno);
        auto* wybor = okno.findChild<QFontDialog*>();
        const QFont przed = wybor->currentFont();
        QWidget* rodziny = okno.findChildren<QListView*>().at(0);
        rodziny->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(rodziny, QStringLiteral("DejaVu Serif"));
        const QFont po = wybor->currentFont();
        ASSERT_EQ(po.family(), QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(QFontInfo(po).bold(), QFontInfo(przed).bold()) << po.styleName().toStdString();
        EXPECT_EQ(QFontInfo(po).italic(), QFontInfo(przed).italic())
            << po.styleName().toStdString();
        okno.accept();
        EXPECT_EQ(QFontInfo(okno.Wybor().czcionka).bold(), QFontInfo(wUzyciu).bold());
        EXPECT_EQ(QFontInfo(okno.Wybor().czcionka).italic(), QFontInfo(wUzyciu).italic());
    }
}
