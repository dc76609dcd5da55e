#pragma once
// What a register library call does, as the front ends name it to the user
// (the window's progress box, orbaklaw-cli's progress line).

namespace orbaklaw {

enum class OperacjaKasy {
    OdczytDefinicji,
    ZapisDefinicji,
    KasowanieDefinicji,
    OdczytTowarow,
    OdczytPlatnosci,
    TestLacza, // every call of the link test
};

} // namespace orbaklaw
