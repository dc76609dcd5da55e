#include "files/Konw852.h"

namespace orbaklaw {

unsigned char Konw852Znak(unsigned char znak) {
    switch (znak) {
    case 165:
        return 185; // ą
    case 134:
        return 230; // ć
    case 169:
        return 234; // ę
    case 136:
        return 179; // ł
    case 228:
        return 241; // ń
    case 162:
        return 243; // ó
    case 152:
        return 156; // ś
    case 171:
        return 159; // ź
    case 190:
        return 191; // ż
    case 164:
        return 165; // Ą
    case 143:
        return 198; // Ć
    case 168:
        return 202; // Ę
    case 157:
        return 163; // Ł
    case 227:
        return 209; // Ń
    case 224:
        return 211; // Ó
    case 151:
        return 140; // Ś
    case 141:
        return 143; // Ź
    case 189:
        return 175; // Ż
    default:
        return znak;
    }
}

std::string Konw852Tekst(const std::string& tekst) {
    std::string wynik(tekst);
    for (char& c : wynik)
        c = static_cast<char>(Konw852Znak(static_cast<unsigned char>(c)));
    return wynik;
}

} // namespace orbaklaw
