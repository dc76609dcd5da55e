// The emulated register's answers and its own checks.
#include "emulator/Kasa.h"
#include "drivers/protocol/Payload.h"
#include "emulator/Opcje.h"
#include "files/PlikTekstowy.h"
#include "orbaklaw/kasdrv_kody.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orbaklaw::emulator {
namespace {

namespace fs = std::filesystem;
using protocol::Frame;

std::vector<DefinicjaKlawisza> Wszystkie(const TabliceKlawiszy& t) {
    std::vector<DefinicjaKlawisza> w;
    for (const auto& k : KolejnoscKlawiszy()) {
        auto d = t.Rekord(k.miejsce);
        d.KodKlawisza = k.kod;
        w.push_back(d);
    }
    return w;
}

std::vector<uint8_t> Zapisz(Kasa& kasa, const TabliceKlawiszy& t) {
    return kasa.Obsluz({1, protocol::cmd::WriteKeys, protocol::EncodeKeys(Wszystkie(t))});
}

class Folder : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / ("orbaklaw-kasa-" + std::to_string(getpid()));
    void TearDown() override { fs::remove_all(folder); }
};

TEST(Kasa, IdentifiesItselfAndGivesItsNumberAsDigits) {
    Kasa kasa({0x84, 1, 42}, StanKasy());
    EXPECT_EQ(kasa.Obsluz({0, protocol::cmd::Identify, {}}),
              (std::vector<uint8_t>{0, 0x84, 1, 0, 0}));
    EXPECT_EQ(kasa.Obsluz({0, protocol::cmd::Number, {}}), (std::vector<uint8_t>{0, '4', '2', 0}));
    EXPECT_EQ(kasa.Obsluz({0, 0x77, {}}), (std::vector<uint8_t>{status::NiedostepnyRozkaz}));
}

TEST(Kasa, RefusedWriteChangesNothing) {
    Kasa kasa({}, StanKasy());
    TabliceKlawiszy dobre;
    dobre.KlawiszeBezp[0] = {0, Towar, 0, 5, 0, 0, 0, 0};
    ASSERT_EQ(Zapisz(kasa, dobre), (std::vector<uint8_t>{0, 0}));
    TabliceKlawiszy zle = dobre;
    for (int i = 0; i < 9; ++i)
        zle.KlawiszeBezp[static_cast<size_t>(i)] = {0, Platnosc, 1, 0, 0, 0, 0, 0};
    EXPECT_EQ(Zapisz(kasa, zle), (std::vector<uint8_t>{0, KASDRV_BRAK_MIEJSCA_NA_PLATNOSCI}));
    auto odczyt = kasa.Obsluz({1, protocol::cmd::ReadKeys, {}});
    auto klawisze = protocol::DecodeKeys({odczyt.begin() + 1, odczyt.end()});
    ASSERT_TRUE(klawisze);
    EXPECT_EQ(klawisze->at(0).Rodzaj, Towar);
    EXPECT_EQ(klawisze->at(0).NrTowaru, 5);
}

TEST(Kasa, PaymentsOnAltFunctionKeysAreNotCounted) {
    Kasa kasa({}, StanKasy());
    TabliceKlawiszy t;
    for (auto& d : t.KlawiszeObaAlt)
        d = {0, Platnosc, 1, 0, 0, 0, 0, 0};
    for (int i = 0; i < 9; ++i)
        t.KlawiszeLewyAlt[static_cast<size_t>(i)] = {0, Platnosc, 2, 0, 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i)
        t.KlawiszeBezp[static_cast<size_t>(i)] = {0, Platnosc, 0, 0, 0, 0, 0, 100};
    EXPECT_EQ(Zapisz(kasa, t), (std::vector<uint8_t>{0, 0}));
}

TEST(Kasa, MalformedPayloadsAreRefused) {
    Kasa kasa({}, StanKasy());
    EXPECT_EQ(kasa.Obsluz({1, protocol::cmd::WriteKeys, {1, 2, 3}})[0],
              status::ParametrPozaZakresem);
    EXPECT_EQ(kasa.Obsluz({1, protocol::cmd::DeleteKeys, {1}})[0], status::ParametrPozaZakresem);
}

TEST_F(Folder, NewFolderGetsTheDemoBaseAndKeepsWritesAcrossRestarts) {
    {
        Kasa kasa({}, StanKasy(folder));
        TabliceKlawiszy t;
        t.KlawiszeObaAlt[3] = {0, Funkcja, 18, 0, 0, 0, 0, 0};
        ASSERT_EQ(Zapisz(kasa, t), (std::vector<uint8_t>{0, 0}));
    }
    EXPECT_EQ(CzytajLinie(folder / "plat.txt")->size(), 6u);
    EXPECT_EQ(CzytajLinie(folder / "towary.txt")->size(), 3u + 511u);
    StanKasy ponownie(folder);
    EXPECT_EQ(ponownie.Klawisze().KlawiszeObaAlt[3].Numer, 18);
    EXPECT_EQ(ponownie.Towary_().Nazwa852(2), "MAS\235O EKSTRA 2"); // MASŁO EKSTRA, CP852
}

TEST_F(Folder, UnsavableWriteIsRefusedAndForgotten) {
    Kasa kasa({}, StanKasy(folder));
    // A plain file where the memory folder was: no file can be made in it,
    // whoever runs the test (a read-only folder would not stop root).
    fs::remove_all(folder);
    std::ofstream(folder).close();
    ASSERT_TRUE(fs::is_regular_file(folder));
    TabliceKlawiszy t;
    t.KlawiszeBezp[3] = {0, Funkcja, 2, 0, 0, 0, 0, 0};
    auto wynik = Zapisz(kasa, t);
    EXPECT_EQ(wynik[0], status::ParametrPozaZakresem);
    auto odczyt = kasa.Obsluz({1, protocol::cmd::ReadKeys, {}});
    EXPECT_EQ(protocol::DecodeKeys({odczyt.begin() + 1, odczyt.end()})->at(3).Rodzaj,
              Niezdefiniowany);
}

// A register acts only on frames for its own number; address 0 reaches it
// only to ask who and which number it is, or to choose a multiplexer channel
// (which a register without one refuses).
TEST(Kasa, ActsOnlyOnFramesAddressedToIt) {
    Kasa kasa({0x6B, 2, 3}, StanKasy());
    const struct {
        uint8_t adres;
        uint8_t rozkaz;
        bool dlaNiej;
    } przypadki[] = {
        {3, protocol::cmd::WriteKeys, true},     {3, protocol::cmd::ReadKeys, true},
        {3, protocol::cmd::Number, true},        {5, protocol::cmd::WriteKeys, false},
        {5, protocol::cmd::DeleteKeys, false},   {5, protocol::cmd::Number, false},
        {4, protocol::cmd::ReadKeys, false},     {0, protocol::cmd::WriteKeys, false},
        {0, protocol::cmd::DeleteKeys, false},   {0, protocol::cmd::ReadGoods, false},
        {0, protocol::cmd::Identify, true},      {0, protocol::cmd::Number, true},
        {0, protocol::cmd::SelectChannel, true},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(kasa.Adresowana({p.adres, p.rozkaz, {}}), p.dlaNiej)
            << int(p.adres) << " " << int(p.rozkaz);
}

// The register's payment names are shown by the program as they stand, so
// the demo names are in the program's code page.
TEST(StanKasy, DemoPaymentNamesAreWindows1250) {
    StanKasy stan;
    EXPECT_EQ(stan.Platnosci()[0], "KARTA P\243ATNICZA"); // KARTA PŁATNICZA
    for (const auto& nazwa : stan.Platnosci())
        for (char c : nazwa)
            EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80 || c == '\243') << nazwa;
}

TEST(Opcje, ReadsTheCommandLine) {
    const char* argv[] = {"orba-emu", "--link",   "/tmp/x",  "--fault", "nak",
                          "--fault",  "slow",     "--model", "0x84",    "--version",
                          "1",        "--number", "12",      "--mux",   "--no-pacing"};
    auto o = CzytajOpcje(15, argv);
    EXPECT_EQ(o.link, "/tmp/x");
    EXPECT_EQ(o.usterki, (std::set<Usterka>{Usterka::Nak, Usterka::Slow}));
    EXPECT_EQ(o.model, 0x84);
    EXPECT_EQ(o.wersja, 1);
    EXPECT_EQ(o.numer, 12);
    EXPECT_TRUE(o.mux);
    EXPECT_FALSE(o.pacing);
}

TEST(Opcje, RefusesWhatItDoesNotKnow) {
    const std::vector<std::vector<const char*>> zle{
        {"orba-emu"},
        {"orba-emu", "--link"},
        {"orba-emu", "--link", "x", "--fault", "fire"},
        {"orba-emu", "--link", "x", "--number", "100"},
        {"orba-emu", "--link", "x", "--model", "0xZZ"},
        {"orba-emu", "--link", "x", "--bogus"},
    };
    for (const auto& a : zle)
        EXPECT_THROW(CzytajOpcje(static_cast<int>(a.size()), a.data()), std::invalid_argument);
}

} // namespace
} // namespace orbaklaw::emulator
