#include "app/NazwaJedynejKopii.h"

namespace orbaklaw {

std::string NormalizujUnique(std::string unique, const std::string& sciezkaProgramu) {
    if (unique.empty())
        unique = sciezkaProgramu;
    for (char& c : unique)
        if (c == ' ' || c == '\\')
            c = '_';
    return unique;
}

std::string NazwaPlikuBlokady(const std::string& unique) {
    std::string nazwa;
    for (char c : unique) {
        if (c == '/')
            nazwa += "%2F";
        else if (c == '%')
            nazwa += "%25";
        else
            nazwa += c;
    }
    return nazwa;
}

} // namespace orbaklaw
