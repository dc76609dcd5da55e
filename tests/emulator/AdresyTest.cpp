// orba-emu on its line: which frames a register acts on and how it answers.
#include "drivers/protocol/Exchange.h"
#include "drivers/protocol/Payload.h"
#include "drivers/protocol/SerialLink.h"
#include "emulator/ProcesEmulatora.h"
#include "files/PlikTekstowy.h"
#include "orbaklaw/kasdrv_kody.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <unistd.h>

namespace orbaklaw::emulator {
namespace {

namespace fs = std::filesystem;
using namespace protocol;

std::map<std::string, std::string> Zawartosc(const fs::path& folder) {
    std::map<std::string, std::string> pliki;
    for (const auto& w : fs::recursive_directory_iterator(folder)) {
        std::ifstream f(w.path(), std::ios::binary);
        std::ostringstream tresc;
        tresc << f.rdbuf();
        pliki[fs::relative(w.path(), folder).string()] = tresc.str();
    }
    return pliki;
}

std::vector<uint8_t> ZapisJednegoKlawisza() {
    return EncodeKeys({{237, Funkcja, 5, 0, 0, 0, 0, 0}});
}

class NaLinii : public ::testing::Test {
protected:
    void Uruchom(const std::vector<std::string>& opcje) {
        std::vector<std::string> o{"--no-pacing", "--state", stan.string()};
        o.insert(o.end(), opcje.begin(), opcje.end());
        emu = std::make_unique<ProcesEmulatora>(ORBA_EMU, link.string(), o);
        lacze = SerialLink::Open(link.string(), 9600);
        ASSERT_TRUE(lacze);
    }
    Reply Wymien(uint8_t adres, uint8_t rozkaz, std::vector<uint8_t> dane = {}) {
        ExchangeOptions o;
        o.timeoutMs = 300;
        o.checkAddress = false;
        return Exchange(*lacze, {adres, rozkaz, std::move(dane), ++numer}, o);
    }
    void TearDown() override {
        lacze.reset();
        emu.reset();
        fs::remove_all(folder);
    }
    fs::path folder = fs::temp_directory_path() / ("orbaklaw-adresy-" + std::to_string(getpid()));
    fs::path link = folder / "tty";
    fs::path stan = folder / "stan";
    std::unique_ptr<ProcesEmulatora> emu;
    std::unique_ptr<SerialLink> lacze;
    uint8_t numer = 100;

    void SetUp() override { fs::create_directories(folder); }
};

TEST_F(NaLinii, FramesForAnotherNumberAreNeitherAnsweredNorExecuted) {
    Uruchom({"--number", "3"});
    const auto przed = Zawartosc(stan);
    for (uint8_t adres : {uint8_t{5}, uint8_t{0}}) {
        EXPECT_EQ(Wymien(adres, cmd::WriteKeys, ZapisJednegoKlawisza()).code,
                  KASDRV_TIMEOUT_ODBIERANIA);
        EXPECT_EQ(Wymien(adres, cmd::DeleteKeys, EncodeCodes({237})).code,
                  KASDRV_TIMEOUT_ODBIERANIA);
    }
    EXPECT_TRUE(Zawartosc(stan) == przed);
    auto numerKasy = Wymien(AnyAddress, cmd::Number);
    EXPECT_EQ(numerKasy.code, 0);
    EXPECT_EQ(numerKasy.address, 3);
    EXPECT_EQ(Wymien(3, cmd::WriteKeys, ZapisJednegoKlawisza()).code, 0);
    EXPECT_TRUE(Zawartosc(stan) != przed);
}

// The fault makes the register answer as the next number; what it executes
// is still only what was addressed to its own.
TEST_F(NaLinii, OtherNumberFaultAnswersAsAnotherButExecutesOnlyItsOwn) {
    Uruchom({"--number", "3", "--fault", "other-number"});
    const auto przed = Zawartosc(stan);
    EXPECT_EQ(Wymien(4, cmd::WriteKeys, ZapisJednegoKlawisza()).code, KASDRV_TIMEOUT_ODBIERANIA);
    EXPECT_TRUE(Zawartosc(stan) == przed);
    auto odpowiedz = Wymien(3, cmd::ReadKeys);
    EXPECT_EQ(odpowiedz.code, 0);
    EXPECT_EQ(odpowiedz.address, 4);
}

TEST_F(NaLinii, ARegisterWithoutAMultiplexerRefusesTheChannel) {
    Uruchom({});
    auto odpowiedz = Wymien(AnyAddress, cmd::SelectChannel, {1});
    EXPECT_EQ(odpowiedz.code, KASDRV_NIEDOSTEPNY_ROZKAZ);
    EXPECT_EQ(odpowiedz.address, 1);
}

} // namespace
} // namespace orbaklaw::emulator
