#include "comm/PowodNiedostepnosciPortu.h"
#include "files/StronyKodowe.h"

#include "files/BladSystemu.h"
#include "platform/UrzadzeniaSzeregowe.h"

#include <cerrno>

namespace orbaklaw {

std::string PowodNiedostepnosciPortu(const std::string& urzadzenie, int blad) {
    switch (blad) {
    case 0:
        return {};
    case EACCES:
    case EPERM:
        return "Brak uprawnień do urządzenia "_w1250 + urzadzenie +
               ": użytkownik musi należeć do grupy dialout (sudo usermod -aG dialout "_w1250
               "$USER, potem ponowne zalogowanie).";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "Nie ma urządzenia "_w1250 + urzadzenie + ".";
    case ENOTTY:
        return "Urządzenie "_w1250 + urzadzenie + " nie jest portem szeregowym."_w1250;
    case EBUSY:
        return "Urządzenie "_w1250 + urzadzenie + " jest zajęte przez inny program."_w1250;
    default:
        return "Nie można otworzyć urządzenia "_w1250 + urzadzenie + ": " + OpisBleduSystemu(blad) +
               ".";
    }
}

std::string PowodNiedostepnosciPortu(const std::string& urzadzenie) {
    return PowodNiedostepnosciPortu(urzadzenie, platform::BladOtwarciaUrzadzenia(urzadzenie));
}

const char* NiemozliweZainicjowaniePortu() {
    return "Niemożliwe zainicjowanie portu szeregowego"_w1250;
}

} // namespace orbaklaw
