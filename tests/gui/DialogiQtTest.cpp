// The Qt side of the dialogs and the text edge, where they can be checked
// without a user.

#include "app/DialogiQt.h"
#include "app/Tekst1250.h"
#include "app/TlumaczenieQt.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

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
