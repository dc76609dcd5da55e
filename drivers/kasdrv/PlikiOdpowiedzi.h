#pragma once
// The reply files the library writes from the register's data.

#include <cstdint>
#include <string>
#include <vector>

namespace orbaklaw::kasdrv {

// Each returns false for data the register should not have sent.

// Key-definition file: "#NN", "#", "#", then the 64 key lines.
[[nodiscard]] bool TekstDefinicji(const std::vector<uint8_t>& dane, int numer, std::string& tekst);

// Goods file: "#NN", "#", "#", then "$" number TAB name for each named item.
[[nodiscard]] bool TekstTowarow(const std::vector<uint8_t>& dane, int numer, std::string& tekst);

// Payments file: "#NN", "#", "#", then "$1".."$3" TAB name.
[[nodiscard]] bool TekstPlatnosci(const std::vector<uint8_t>& dane, int numer, std::string& tekst);

} // namespace orbaklaw::kasdrv
