// The one place the program gets its register libraries from: results land
// in the state the program has now, also after the state was cleared, and
// the table a test hands in serves every caller.
#include "comm/BibliotekiKasy.h"
#include "state/Stan.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

uint8_t KASDRV_WYWOLANIE Odmowa(const char*, const char*) {
    return 229;
}

uint8_t KASDRV_WYWOLANIE Zgoda(const char*, const char*) {
    return 0;
}

TEST(BibliotekiKasy, ResultsReachTheStateAfterItWasCleared) {
    NowyStan();
    FunkcjeKasdrv f;
    f.TowarMax = Odmowa;
    f.OPlat = Zgoda;
    BibliotekiKasy biblioteki(Stan());
    biblioteki.UzyjKasdrv(f);
    EXPECT_EQ(biblioteki.Kasdrv().TowarMax("in", "towary.txt"), 229);
    EXPECT_EQ(Stan().KodBledu, 229);
    // A test clears the state between its steps; the library kept from
    // before must write into the state of now, not into a freed one.
    NowyStan();
    EXPECT_EQ(Stan().KodBledu, 0);
    EXPECT_EQ(biblioteki.Kasdrv().TowarMax("in", "towary.txt"), 229);
    EXPECT_EQ(Stan().KodBledu, 229);
    EXPECT_EQ(biblioteki.Kasdrv().OPlat("in", "plat.txt"), 0);
    EXPECT_EQ(Stan().KodBledu, 0);
}

TEST(BibliotekiKasy, TheTableHandedInServesTheKeptAndTheOneOffLibrary) {
    NowyStan();
    BibliotekiKasy biblioteki(Stan());
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
    EXPECT_EQ(Stan().KodBledu, 229);
}

} // namespace
} // namespace orbaklaw
