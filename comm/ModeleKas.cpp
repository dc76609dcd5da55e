#include "comm/ModeleKas.h"
#include "files/StronyKodowe.h"

#include <array>

namespace orbaklaw {

namespace {

struct Model {
    uint8_t bajt;
    int kod;
    const char* nazwa;
};

// ORBA answers with three bytes: the first one and its two later variants.
constexpr std::array<Model, 8> Modele{{
    {0x68, 1, "PERSA 20479"},
    {0x67, 2, "PERSA 10239"},
    {0x65, 3, "TUMO 4095"},
    {0x64, 4, "TUMO 2047"},
    {0x66, 5, "SIRK"},
    {0x6B, KodOrba, "ORBA"},
    {0x84, KodOrba, "ORBA"},
    {0x85, KodOrba, "ORBA"},
}};

const Model* Znajdz(uint8_t bajt) {
    for (const Model& m : Modele)
        if (m.bajt == bajt)
            return &m;
    return nullptr;
}

} // namespace

int KodModelu(uint8_t pierwszyBajt) {
    const Model* m = Znajdz(pierwszyBajt);
    return m ? m->kod : 0;
}

std::string NazwaModelu(uint8_t pierwszyBajt) {
    const Model* m = Znajdz(pierwszyBajt);
    return m ? m->nazwa : std::string();
}

const char* InnaKasaNizOrba() {
    return "Podłączone urządzenie nie jest kasą VARKO ORBA"_w1250;
}

} // namespace orbaklaw
