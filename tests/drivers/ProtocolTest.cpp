// Frames and payloads of the serial protocol.
#include "drivers/protocol/Frame.h"
#include "drivers/protocol/FrameDecoder.h"
#include "drivers/protocol/NumeryWymian.h"
#include "drivers/protocol/Payload.h"

#include <set>

#include <gtest/gtest.h>

namespace orbaklaw::protocol {
namespace {

FrameDecoder::State Dekoduj(const std::vector<uint8_t>& bajty, FrameDecoder& d) {
    for (uint8_t b : bajty)
        d.Feed(b);
    return d.Current();
}

TEST(Crc16, MatchesTheCcittCheckValue) {
    const std::string tekst = "123456789";
    EXPECT_EQ(Crc16(reinterpret_cast<const uint8_t*>(tekst.data()), tekst.size()), 0x29B1);
}

TEST(Frame, RoundTripsThroughTheDecoder) {
    for (size_t dlugosc : {size_t{0}, size_t{1}, size_t{300}, MaxPayload}) {
        Frame f{7, cmd::WriteKeys, std::vector<uint8_t>(dlugosc, 0xA5), 0xBEEF};
        FrameDecoder d;
        const auto bajty = Encode(f);
        EXPECT_EQ(bajty.size(), dlugosc + FrameOverhead);
        ASSERT_EQ(Dekoduj(bajty, d), FrameDecoder::State::Complete) << dlugosc;
        EXPECT_EQ(d.Result(), f);
        EXPECT_EQ(d.Received(), bajty.size());
    }
}

TEST(FrameDecoder, EveryDamagedByteMakesTheFrameCorrupt) {
    const auto dobre = Encode({1, cmd::ReadKeys, {1, 2, 3, 4}});
    // Flipping a byte of the header's length changes how many bytes the
    // decoder waits for, so it is left out here; the other positions must
    // all be caught.
    for (size_t i = 0; i < dobre.size(); ++i) {
        if (i == 5 || i == 6)
            continue;
        auto zle = dobre;
        zle[i] ^= 0x01;
        FrameDecoder d;
        EXPECT_EQ(Dekoduj(zle, d), FrameDecoder::State::Corrupt) << "byte " << i;
    }
}

// The exchange number takes two bytes, so two runs of the drivers, each
// starting at a random number, practically never meet on one.
TEST(Frame, CarriesASixteenBitExchangeNumber) {
    const auto bajty = Encode({1, cmd::Number, {}, 0x1234});
    ASSERT_EQ(bajty.size(), FrameOverhead);
    EXPECT_EQ(bajty[3], 0x12);
    EXPECT_EQ(bajty[4], 0x34);
}

TEST(Frame, APayloadTooLongForTheLengthFieldIsNeverCut) {
    EXPECT_TRUE(Fits(std::vector<uint8_t>(MaxPayload)));
    EXPECT_FALSE(Fits(std::vector<uint8_t>(MaxPayload + 1)));
    EXPECT_TRUE(Encode({1, cmd::WriteKeys, std::vector<uint8_t>(MaxPayload + 1)}).empty());
}

TEST(FrameDecoder, KnowsTheFramesSizeOnceTheHeaderIsIn) {
    const auto bajty = Encode({1, cmd::ReadKeys, std::vector<uint8_t>(300, 1), 9});
    FrameDecoder d;
    size_t i = 0;
    for (; d.FrameSize() == 0 && i < bajty.size(); ++i)
        d.Feed(bajty[i]);
    EXPECT_EQ(i, 7u);
    EXPECT_EQ(d.FrameSize(), bajty.size());
}

TEST(FrameDecoder, StaysPartialUntilTheLastByteAndIgnoresTheRest) {
    auto bajty = Encode({1, cmd::Number, {0, '0', '1', 0}});
    FrameDecoder d;
    for (size_t i = 0; i + 1 < bajty.size(); ++i)
        ASSERT_EQ(d.Feed(bajty[i]), FrameDecoder::State::Partial);
    EXPECT_EQ(d.Feed(bajty.back()), FrameDecoder::State::Complete);
    EXPECT_EQ(d.Feed(0x55), FrameDecoder::State::Complete);
    d.Reset();
    EXPECT_EQ(d.Current(), FrameDecoder::State::Empty);
}

TEST(NumeryWymian, EveryRunStartsSomewhereElseAndCountsOn) {
    std::set<uint16_t> pierwsze;
    for (int i = 0; i < 16; ++i) {
        NumeryWymian numery;
        const uint16_t a = numery.Nastepny();
        EXPECT_EQ(numery.Nastepny(), static_cast<uint16_t>(a + 1));
        pierwsze.insert(a);
    }
    EXPECT_GT(pierwsze.size(), 8u);
}

TEST(Payload, KeyRecordsRoundTrip) {
    std::vector<DefinicjaKlawisza> klawisze{
        {237, Towar, 0, 511, 1, 0, 1, 0},
        {1, Platnosc, 8, 0, 0, 0, 0, 2147483647},
        {300, Funkcja, 19, 0, 0, 0, 0, 0},
        {254, Niezdefiniowany, 0, 0, 0, 0, 0, -1},
    };
    auto dane = EncodeKeys(klawisze);
    EXPECT_EQ(dane.size(), klawisze.size() * KeyRecordSize);
    EXPECT_EQ(DecodeKeys(dane), klawisze);
}

TEST(Payload, DecodersRefuseBadShapes) {
    EXPECT_FALSE(DecodeKeys(std::vector<uint8_t>(KeyRecordSize + 1)));
    auto flagi = EncodeKeys({{237, Towar, 0, 1, 1, 1, 1, 0}});
    flagi[6] = 0x08;
    EXPECT_FALSE(DecodeKeys(flagi));
    EXPECT_FALSE(DecodeNames({3, 'a', 'b'}));
    EXPECT_FALSE(DecodeCodes({1, 2, 3}));
}

TEST(Payload, NamesAndCodesRoundTrip) {
    std::vector<std::string> nazwy{"", "CHLEB \275YTNI", std::string(255, 'x')};
    EXPECT_EQ(DecodeNames(EncodeNames(nazwy)), nazwy);
    EXPECT_EQ(DecodeNames(EncodeNames({std::string(300, 'y')}))->at(0).size(), 255u);
    std::vector<uint16_t> kody{237, 1, 65535};
    EXPECT_EQ(DecodeCodes(EncodeCodes(kody)), kody);
}

// Both drivers take the register's number from this reply: the number
// query before every library call and the link test's check of its reply.
TEST(Payload, NumberReplyIsTwoDecimalDigits) {
    const std::pair<std::vector<uint8_t>, std::optional<int>> przypadki[] = {
        {{'0', '7', 0}, 7},  {{'9', '9', 0}, 99}, {{'0', '0'}, 0},   {{'4', '2', 'x'}, 42},
        {{'0', 'A', 0}, {}}, {{' ', '5', 0}, {}}, {{'1', 0, 0}, {}}, {{0xFF, '1', 0}, {}},
        {{'/', '0'}, {}},    {{':', '0'}, {}},    {{'7'}, {}},       {{}, {}},
    };
    for (const auto& [dane, numer] : przypadki)
        EXPECT_EQ(DecodeNumber(dane), numer) << testing::PrintToString(dane);
    // What the register sends reads back as its number.
    EXPECT_EQ(EncodeNumber(5), (std::vector<uint8_t>{'0', '5', 0}));
    for (const int n : {0, 7, 42, 99})
        EXPECT_EQ(DecodeNumber(EncodeNumber(n)), n);
}

} // namespace
} // namespace orbaklaw::protocol
