#pragma once
// RAPORT.TXT: one line per exchange, appended:
//   date TAB time TAB function TAB "kasa " number TAB link TAB "kod " code

#include <cstdint>
#include <cstdio>
#include <string>

namespace orbaklaw::kasdrv {

constexpr const char* NazwaPlikuRaportu = "RAPORT.TXT";
constexpr uint8_t KodBrakRaportu = 9;
constexpr uint8_t KodZapisRaportu = 18;

class Raport {
public:
    Raport() = default;
    ~Raport();
    Raport(const Raport&) = delete;
    Raport& operator=(const Raport&) = delete;

    // Opens the report (found whatever its case) for appending.
    bool Otworz();
    // Appends the line of one exchange; false when it can't be written.
    bool Dopisz(const std::string& funkcja, int numer, const std::string& lacze, uint8_t kod);

private:
    std::FILE* plik_ = nullptr;
};

} // namespace orbaklaw::kasdrv
