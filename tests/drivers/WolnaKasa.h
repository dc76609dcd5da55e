#pragma once
// A paced register on COM1, so that a read takes a while, with KONFIG.TXT
// (timeout 2 s) and the request file for register 01 in place: for tests
// that do something else while a call is running.

#include "SrodowiskoKasy.h"

#include "comm/PlikZapytania.h"
#include "files/NazwyStale.h"

#include <gtest/gtest.h>

namespace orbaklaw::testy {

class WolnaKasa : public ::testing::Test {
protected:
    void SetUp() override {
        s.Uruchom({"--state", s.Stan()});
        s.Konfiguracja(2);
        ASSERT_TRUE(UtworzPlikWejsciowy(NazwaPlikuZapytania, 1));
    }
    SrodowiskoKasy s;
};

} // namespace orbaklaw::testy
