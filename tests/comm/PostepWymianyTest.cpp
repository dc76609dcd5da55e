// The progress box against the real register library and a register that
// answers at the line's speed: it follows the bytes on the line and ends at
// the end.

#include "KasaTestowa.h"

#include "transfer/TransferDefinicji.h"

#include <utility>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

using PostepNaLinii = KasaTestowa;

TEST_F(PostepNaLinii, TheProgressOfAPacedReadReachesItsEnd) {
    kasa->Uruchom({}); // paced at the configured speed
    kasa->Konfiguracja(2, 19200);
    Kliknij("bOdczyt");
    ASSERT_EQ(Stan().KodBledu, 0) << dialogi.Teksty().join(u'|').toStdString();
    ASSERT_EQ(dialogi.postepy.size(), 1u);
    const auto& postep = dialogi.postepy[0];
    EXPECT_EQ(postep.tekst, u"Odczyt definicji klawiszy z kasy..."_s);
    ASSERT_GE(postep.stany.size(), 2u) << "seen during the exchange and at its end";
    bool wTrakcie = false;
    for (const auto& [zrobione, oczekiwane] : postep.stany) {
        EXPECT_LE(zrobione, oczekiwane);
        wTrakcie |= zrobione < oczekiwane;
    }
    EXPECT_TRUE(wTrakcie) << "a share below the whole was shown";
    EXPECT_GT(postep.stany.back().second, 0u);
    EXPECT_EQ(postep.stany.back().first, postep.stany.back().second);
    EXPECT_TRUE(postep.zamkniety);
}
