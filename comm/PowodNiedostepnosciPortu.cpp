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
        // "Brak uprawnień do urządzenia X: użytkownik musi należeć do grupy
        // dialout (sudo usermod -aG dialout $USER, potem ponowne zalogowanie)."
        return "Brak uprawnień do urządzenia "_w1250 + urzadzenie +
               ": użytkownik musi należeć do grupy dialout (sudo usermod -aG dialout "_w1250
               "$USER, potem ponowne zalogowanie).";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "Nie ma urządzenia "_w1250 + urzadzenie + "."; // "Nie ma urządzenia X."
    case EBUSY:
        // "Urządzenie X jest zajęte przez inny program."
        return "Urządzenie "_w1250 + urzadzenie + " jest zajęte przez inny program."_w1250;
    default:
        // "Nie można otworzyć urządzenia X: "
        return "Nie można otworzyć urządzenia "_w1250 + urzadzenie + ": " + OpisBleduSystemu(blad) +
               ".";
    }
}

std::string PowodNiedostepnosciPortu(const std::string& urzadzenie) {
    return PowodNiedostepnosciPortu(urzadzenie, platform::BladOtwarciaUrzadzenia(urzadzenie));
}

} // namespace orbaklaw
