#include "platform/KodowanieSciezek.h"

#include <gtest/gtest.h>

namespace orbaklaw::platform {
namespace {

#ifdef _WIN32
TEST(KodowanieSciezek, Windows1250NamesAreConvertedNotWidened) {
    // "ąś ł.txt" in Windows-1250: 0xB9, 0x9C, a blank, 0xB3.
    const std::string bajty = "\xb9\x9c \xb3.txt";
    EXPECT_EQ(SciezkaZBajtow(bajty).native(), L"\u0105\u015b \u0142.txt");
    EXPECT_EQ(BajtySciezki(SciezkaZBajtow(bajty)), bajty);
    EXPECT_EQ(BajtySciezki(std::filesystem::path(L"a\u4e2d.txt")), "a?.txt");
    EXPECT_EQ(SciezkaZBajtow(""), std::filesystem::path());
}
#else
TEST(KodowanieSciezek, BytesAreThePath) {
    const std::string bajty = "\xb9\x9c \xc4\x85.txt";
    EXPECT_EQ(SciezkaZBajtow(bajty).native(), bajty);
    EXPECT_EQ(BajtySciezki(SciezkaZBajtow(bajty)), bajty);
}
#endif

} // namespace
} // namespace orbaklaw::platform
