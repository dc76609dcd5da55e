#pragma once
// What printing the insert keeps in the program state: while a print runs,
// the name its picture is saved under, so that the save asks no dialog.

#include <string>

namespace orbaklaw {

struct StanWygladu {
    std::string PlikWydruku; // set only while printing
};

} // namespace orbaklaw
