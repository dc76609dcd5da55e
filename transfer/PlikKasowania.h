#pragma once
// The deletion request file "tmp.plk": "#" + register number, "#", "#", then
// "$" + code for each of the 37 keys a deletion covers (plain F1..F9 and the
// digits of variant 0, then the right ALT digits, then the left ALT digits).

#include "files/NazwyStale.h"
#include <string>
#include <string_view>

namespace orbaklaw {

// The 40 lines, each ended by CR LF. The number is taken as it is, so an
// empty one gives a first line of "#" alone.
std::string TekstPlikuKasowania(std::string_view numerKasy);

} // namespace orbaklaw
