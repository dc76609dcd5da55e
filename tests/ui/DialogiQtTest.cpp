// The Qt side of the dialogs and the text edge, where they can be checked
// without a user.

#include "ui/DialogiQt.h"
#include "app/TlumaczenieQt.h"
#include "ui/PostepWymiany.h"
#include "ui/PostepWymianyQt.h"
#include "ui/Tekst1250.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

TEST(DialogiQt, FormFiltersBecomeQtFilters) {
    EXPECT_EQ(DialogiQt::FiltrQt(u"Pliki tekstowe|*.txt|Wszystkie pliki|*.*"_s),
              u"Pliki tekstowe (*.txt);;Wszystkie pliki (*.*)"_s);
    // A description that already names its patterns does not get them twice.
    EXPECT_EQ(DialogiQt::FiltrQt(u"Bitmaps (*.bmp)|*.bmp"_s), u"Bitmaps (*.bmp)"_s);
    EXPECT_EQ(DialogiQt::FiltrQt(u"Definicje tekstów na klawiszach (*.bm0)|*.bm0"_s),
              u"Definicje tekstów na klawiszach (*.bm0)"_s);
    EXPECT_EQ(DialogiQt::FiltrQt(u"Obrazy (*.bmp)|*.bmp;*.bm0"_s),
              u"Obrazy (*.bmp) (*.bmp *.bm0)"_s);
    EXPECT_EQ(DialogiQt::FiltrQt(u"Obrazy|*.bmp;*.bm0"_s), u"Obrazy (*.bmp *.bm0)"_s);
    EXPECT_EQ(DialogiQt::FiltrQt(QString()), QString());
}

// Qt's standard texts come from the Polish translation installed with Qt.
TEST(TlumaczenieQt, QtsOwnDialogsAndButtonsSpeakPolish) {
    QTranslator tlumacz;
    ASSERT_TRUE(WczytajTlumaczenieQt(tlumacz)) << "qtbase_pl.qm not found";
    ASSERT_TRUE(QCoreApplication::installTranslator(&tlumacz));
    QMessageBox pytanie(QMessageBox::Question, u"Uwaga"_s, u"?"_s,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(pytanie.button(QMessageBox::Yes)->text(), u"&Tak"_s);
    EXPECT_EQ(pytanie.button(QMessageBox::No)->text(), u"&Nie"_s);
    EXPECT_EQ(pytanie.button(QMessageBox::Cancel)->text(), u"Anuluj"_s);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), u"Szukaj w:"_s);
    QCoreApplication::removeTranslator(&tlumacz);
}

TEST(Tekst1250, PolishLettersRoundTripAndForeignOnesDoNot) {
    const std::string bajty = "\243\271\352 \214\237 \200"; // Łąę Śź €
    EXPECT_EQ(Z1250(bajty), u"Łąę Śź €"_s);
    EXPECT_EQ(Do1250(u"Łąę Śź €"_s), bajty);
    EXPECT_TRUE(Miesci1250(u"Zażółć gęślą jaźń ő ű ß"_s));
    for (const QString& obcy : {u"Ж"_s, u"Ω"_s, u"字"_s, u"ą😀"_s, u"\u0100"_s})
        EXPECT_FALSE(Miesci1250(obcy)) << obcy.toStdString();
    EXPECT_EQ(Z852("\235\244"), u"ŁĄ"_s);
}

namespace {
// Presses `klawisz` in the message box once it is up; a box still open
// after two seconds is closed so that a failing case can't hang. The
// timers go with `kontekst`.
void NacisnijWOknie(QObject& kontekst, int klawisz) {
    QTimer::singleShot(0, &kontekst, [klawisz] {
        if (QWidget* okno = QApplication::activeModalWidget())
            QTest::keyClick(okno, static_cast<Qt::Key>(klawisz));
    });
    QTimer::singleShot(2000, &kontekst, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(-1);
    });
}
} // namespace

// Enter in a real question box answers with its default button, which the
// question chooses: "Nie" where Enter must not start anything.
TEST(DialogiQt, EnterAnswersAQuestionWithItsDefaultButton) {
    DialogiQt dialogi;
    for (auto [domyslna, klawisz] :
         {std::pair{Odpowiedz::Tak, Qt::Key_Return}, std::pair{Odpowiedz::Nie, Qt::Key_Return},
          std::pair{Odpowiedz::Nie, Qt::Key_Enter}}) {
        SCOPED_TRACE(static_cast<int>(domyslna));
        OknoKomunikatu pytanie{u"Czy skasować?"_s, u"Uwaga"_s, Ikona::Pytanie, Przyciski::TakNie};
        pytanie.domyslna = domyslna;
        QObject kontekst;
        NacisnijWOknie(kontekst, klawisz);
        EXPECT_EQ(dialogi.Pokaz(pytanie), domyslna);
    }
}

// The real progress box: modal, Polish, without a cancel button; a busy
// bar until a count is known, then the share done.
TEST(DialogiQt, TheProgressBoxOfAnExchange) {
    QWidget okno;
    okno.show();
    DialogiQt dialogi(&okno);
    auto postep = dialogi.Postep(u"Zapis definicji klawiszy do kasy..."_s);
    auto* box = okno.findChild<QProgressDialog*>(u"PostepWymiany"_s);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->labelText(), u"Zapis definicji klawiszy do kasy..."_s);
    EXPECT_EQ(box->windowTitle(), u"orbaklaw"_s);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box->findChild<QPushButton*>(), nullptr) << "no cancel button";
    EXPECT_EQ(box->maximum(), 0) << "a busy bar";
    EXPECT_FALSE(box->isVisible()) << "a quick call does not flash the box";
    QTest::qWait(PostepWymianyQt::OpoznieniePokazania + 200);
    EXPECT_TRUE(box->isVisible());
    postep->Ustaw(250, 1000);
    EXPECT_EQ(box->maximum(), 100);
    EXPECT_EQ(box->value(), 25);
    postep->Ustaw(1000, 1000);
    EXPECT_EQ(box->value(), 100);
    postep->Ustaw(0, 0);
    EXPECT_EQ(box->maximum(), 0);
    postep.reset();
    EXPECT_EQ(okno.findChild<QProgressDialog*>(), nullptr) << "gone with the object";
}

// A question between two calls of one action is not covered by the action's
// progress box: the box hides while the question is open, one due to show
// meanwhile waits, and both show again once it is answered.
TEST(DialogiQt, AQuestionSetsTheProgressBoxAside) {
    for (const bool pokazanyPrzed : {true, false}) {
        SCOPED_TRACE(pokazanyPrzed ? "shown before" : "due during the question");
        QWidget okno;
        okno.show();
        DialogiQt dialogi(&okno);
        auto postep = dialogi.Postep(u"Zapis definicji klawiszy do kasy..."_s);
        auto* box = okno.findChild<QProgressDialog*>(u"PostepWymiany"_s);
        ASSERT_NE(box, nullptr);
        if (pokazanyPrzed) {
            ASSERT_TRUE(QTest::qWaitFor([box] { return box->isVisible(); }, 2000));
        }
        bool widocznyWPytaniu = true;
        QTimer::singleShot(PostepWymianyQt::OpoznieniePokazania + 200, [&] {
            widocznyWPytaniu = box->isVisible();
            if (auto* pytanie = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                pytanie->defaultButton()->click();
        });
        EXPECT_EQ(dialogi.Pytanie(u"Czy zapisać definicje klawiszy do kasy?"_s, u"Zapis do kasy"_s,
                                  Odpowiedz::Tak),
                  true);
        EXPECT_FALSE(widocznyWPytaniu);
        EXPECT_TRUE(box->isVisible()) << "back once the question is answered";
    }
}
