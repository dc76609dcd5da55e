// The scripted dialogs hold a test to the dialogs it expected.
#include "DialogiTestowe.h"

#include <QDialog>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

TEST(DialogiTestowe, EachKindOfUnusedAnswerFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            DialogiTestowe d;
            d.odpowiedzi.push_back(Odpowiedz::Tak);
        },
        "1 unused message box answer");
    EXPECT_NONFATAL_FAILURE(
        {
            DialogiTestowe d;
            d.pliki.push_back(QStringLiteral("a.plk"));
        },
        "unused file dialog answer(s), first: a.plk");
    EXPECT_NONFATAL_FAILURE(
        {
            DialogiTestowe d;
            d.wydruki.push_back(true);
        },
        "unused print dialog answer");
    EXPECT_NONFATAL_FAILURE(
        {
            DialogiTestowe d;
            d.czcionki.push_back(std::nullopt);
        },
        "unused font dialog answer");
    EXPECT_NONFATAL_FAILURE(
        {
            DialogiTestowe d;
            d.okna.push_back([](QDialog&) {});
        },
        "unused dialog script");
}

TEST(DialogiTestowe, AnswersTakenInFullLeaveNothingToReport) {
    DialogiTestowe d;
    d.odpowiedzi.push_back(Odpowiedz::Tak);
    d.pliki.push_back(std::nullopt);
    EXPECT_EQ(d.Pokaz({}), Odpowiedz::Tak);
    DialogPliku plik;
    EXPECT_EQ(d.OtworzPlik(plik), std::nullopt);
}

} // namespace
} // namespace orbaklaw
