// The one place the program gets its register libraries from: the kept
// library gives each call's own result, and the table a test hands in
// serves every caller.
#include "comm/BibliotekiKasy.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

uint8_t KASDRV_WYWOLANIE Odmowa(const char*, const char*) {
    return 229;
}

uint8_t KASDRV_WYWOLANIE Zgoda(const char*, const char*) {
    return 0;
}

TEST(BibliotekiKasy, TheKeptLibraryGivesEachCallsResult) {
    FunkcjeKasdrv f;
    f.TowarMax = Odmowa;
    f.OPlat = Zgoda;
    BibliotekiKasy biblioteki;
    biblioteki.UzyjKasdrv(f);
    EXPECT_EQ(biblioteki.Kasdrv().TowarMax("in", "towary.txt"), 229);
    EXPECT_EQ(biblioteki.Kasdrv().OPlat("in", "plat.txt"), 0);
    EXPECT_EQ(biblioteki.Kasdrv().TowarMax("in", "towary.txt"), 229);
}

TEST(BibliotekiKasy, TheTableHandedInServesTheKeptAndTheOneOffLibrary) {
    BibliotekiKasy biblioteki;
    FunkcjeKasdrv zgoda;
    zgoda.TowarMax = Zgoda;
    biblioteki.UzyjKasdrv(zgoda);
    EXPECT_EQ(biblioteki.Kasdrv().TowarMax("in", "towary.txt"), 0);
    // A new table replaces the kept library as well.
    FunkcjeKasdrv odmowa;
    odmowa.TowarMax = Odmowa;
    biblioteki.UzyjKasdrv(odmowa);
    EXPECT_EQ(biblioteki.Kasdrv().TowarMax("in", "towary.txt"), 229);
    EXPECT_EQ(biblioteki.NowaKasdrv()->TowarMax("in", "towary.txt"), 229);
}

} // namespace
} // namespace orbaklaw
