#pragma once
// Builds animated cursor files for the tests, part by part, so that each
// broken variant differs from a good file in one place only.

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace orbaklaw::testy {

std::string Dword(uint32_t v);
std::string Fragment(const std::string& id, const std::string& dane);

// A CUR file (type 2) of one 32-bit picture with the given hot spot.
std::string PlikCur(const QImage& obraz, int x, int y);

struct BudowaAni {
    uint32_t klatkiWNaglowku = 3;
    uint32_t kroki = 3;
    uint32_t jiffies = 6;
    uint32_t flagi = 3; // icon frames, sequence
    std::vector<std::string> klatki;
    std::vector<uint32_t> seq;  // no chunk when empty
    std::vector<uint32_t> rate; // no chunk when empty
    std::string dodatkowe;      // chunks placed before the frames

    BudowaAni(); // three good 32 x 32 frames, sequence 2 1 0
    std::string Naglowek() const;
    std::string Plik() const;
};

} // namespace orbaklaw::testy
