#include "format/ListyWyboru.h"
#include "keys/Kwota.h"
#include "tests/support/Cp1250.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

using test::Cp1250;

TEST(ListyWyboru, KeyNamesOfEveryVariant) {
    struct {
        int wariant, nr;
        const char* nazwa;
    } przypadki[] = {
        {0, 0, "LEWY+PR.ALT+F1"},
        {0, 9, "LEWY+PR.ALT+0"},
        {0, 18, "LEWY+PR.ALT+9"},
        {1, 8, "LEWY  ALT+F9"},
        {1, 10, "LEWY  ALT+1"},
        {2, 4, "PRAWY ALT+F5"},
        {2, 17, "PRAWY ALT+8"},
        {3, 0, "F1"},
        {3, 8, "F9"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(NazwaKlawisza(p.wariant, p.nr), p.nazwa);
    EXPECT_STREQ(NazwyWariantow()[1], "LEWY    ALT");
}

TEST(ListyWyboru, FunctionsAndPaymentsAsTheRegisterNamesThem) {
    EXPECT_EQ(NazwyFunkcji()[0], Cp1250("01 BRAK ZDEFIN. FUNKCJI"));
    EXPECT_EQ(NazwyFunkcji()[1], Cp1250("02   WŁĄCZENIE    KASJERA"));
    EXPECT_EQ(NazwyFunkcji()[8], Cp1250("09   SZCZEGÓŁOWY SPRZEDAŻY"));
    EXPECT_EQ(NazwyFunkcji()[9], Cp1250("10   ZWROTÓW OPAKOWAŃ"));
    EXPECT_EQ(NazwyFunkcji()[17], Cp1250("18   WYŁĄCZENIE KASY"));
    EXPECT_EQ(NazwyFunkcji()[18], Cp1250("19   KWIT PARKINGOWY"));
    EXPECT_EQ(PoczatkoweNazwyPlatnosci()[0], Cp1250("GOTÓWKA"));
    EXPECT_EQ(PoczatkoweNazwyPlatnosci()[3], Cp1250("PŁATNOŚĆ  3"));
    EXPECT_EQ(NazwyRodzajow()[3], Cp1250("3 - PŁATNOŚĆ"));
    EXPECT_EQ(TekstZaplata(), Cp1250("Obowiązek wpisania ceny"));
}

TEST(ListyWyboru, EuroIsItemFourButNumberEight) {
    EXPECT_EQ(NumerPlatnosci(4), 8);
    EXPECT_EQ(PozycjaPlatnosci(8), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(NumerPlatnosci(i), i);
        EXPECT_EQ(PozycjaPlatnosci(uint8_t(i)), i);
    }
}

TEST(Kwota, FormattedWithACommaBeforeTheGrosze) {
    struct {
        const char* cyfry;
        const char* tekst;
    } przypadki[] = {{"", "0,00"},
                     {"5", "0,05"},
                     {"53", "0,53"},
                     {"100", "1,00"},
                     {"1050", "10,50"},
                     {"12345", "123,45"},
                     {"2147483647", "21474836,47"}};
    for (const auto& p : przypadki)
        EXPECT_EQ(FormatujKwote(p.cyfry), p.tekst) << p.cyfry;
}

} // namespace
} // namespace orbaklaw
