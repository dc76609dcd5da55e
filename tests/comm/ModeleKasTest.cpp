// The register models by the identification's first byte.
#include "comm/ModeleKas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orbaklaw {
namespace {

TEST(ModeleKas, EachKnownByteHasItsCodeAndName) {
    const std::tuple<uint8_t, int, const char*> znane[] = {
        {0x68, 1, "PERSA 20479"}, {0x67, 2, "PERSA 10239"}, {0x65, 3, "TUMO 4095"},
        {0x64, 4, "TUMO 2047"},   {0x66, 5, "SIRK"},        {0x6B, KodOrba, "ORBA"},
        {0x84, KodOrba, "ORBA"},  {0x85, KodOrba, "ORBA"},
    };
    for (const auto& [bajt, kod, nazwa] : znane) {
        EXPECT_EQ(KodModelu(bajt), kod) << int(bajt);
        EXPECT_EQ(NazwaModelu(bajt), nazwa) << int(bajt);
    }
}

// The program (by code) and orbaklaw-cli (by name) must tell the same
// devices apart: every byte has a code exactly when it has a name, and is
// an ORBA by code exactly when it is one by name.
TEST(ModeleKas, CodeAndNameAgreeForEveryByte) {
    int znanych = 0;
    for (int b = 0; b < 256; ++b) {
        const auto bajt = static_cast<uint8_t>(b);
        EXPECT_EQ(KodModelu(bajt) == 0, NazwaModelu(bajt).empty()) << b;
        EXPECT_EQ(KodModelu(bajt) == KodOrba, NazwaModelu(bajt) == "ORBA") << b;
        znanych += KodModelu(bajt) != 0;
    }
    EXPECT_EQ(znanych, 8);
    for (int nieznany : {0x00, 0x69, 0x6A, 0x6C, 0x83, 0x86, 0xFF})
        EXPECT_EQ(KodModelu(static_cast<uint8_t>(nieznany)), 0) << nieznany;
}

} // namespace
} // namespace orbaklaw
