#include "keys/Kwota.h"

namespace orbaklaw {

std::string FormatujKwote(const std::string& cyfry) {
    switch (cyfry.size()) {
    case 0:
        return "0,00";
    case 1:
        return "0,0" + cyfry;
    case 2:
        return "0," + cyfry;
    default:
        return cyfry.substr(0, cyfry.size() - 2) + "," + cyfry.substr(cyfry.size() - 2);
    }
}

} // namespace orbaklaw
