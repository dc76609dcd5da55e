#pragma once
// orbaklaw-cli's exit codes, for scripts:
//   0 done
//   1 a format error in an input file
//   2 a file that can't be read or written, or a usage error
//   3 the register or its library refused
//   4 the definitions compared differ
//   5 no answer from the register, or a fault on the line (codes 20, 21, 23, 24)
//   6 a register with another number answered (code 22)

#include <cstdint>

namespace orbaklaw::cli {

constexpr int KodSukces = 0;
constexpr int KodBladFormatu = 1;
constexpr int KodBladPliku = 2;
constexpr int KodBladUzycia = 2;
constexpr int KodOdmowaKasy = 3;
constexpr int KodRoznice = 4;
constexpr int KodBrakOdpowiedzi = 5;
constexpr int KodInnaKasa = 6;

// The exit code of a library result other than 0.
int KodWyjsciaKasy(uint8_t kodBledu);

} // namespace orbaklaw::cli
