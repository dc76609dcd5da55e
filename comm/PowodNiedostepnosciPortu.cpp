#include "comm/PowodNiedostepnosciPortu.h"

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
        return "Brak uprawnie\361 do urz\271dzenia " + urzadzenie +
               ": u\277ytkownik musi nale\277e\346 do grupy dialout (sudo usermod -aG dialout "
               "$USER, potem ponowne zalogowanie).";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "Nie ma urz\271dzenia " + urzadzenie + "."; // "Nie ma urządzenia X."
    case EBUSY:
        // "Urządzenie X jest zajęte przez inny program."
        return "Urz\271dzenie " + urzadzenie + " jest zaj\352te przez inny program.";
    default:
        // "Nie można otworzyć urządzenia X: "
        return "Nie mo\277na otworzy\346 urz\271dzenia " + urzadzenie + ": " +
               OpisBleduSystemu(blad) + ".";
    }
}

std::string PowodNiedostepnosciPortu(const std::string& urzadzenie) {
    return PowodNiedostepnosciPortu(urzadzenie, platform::BladOtwarciaUrzadzenia(urzadzenie));
}

} // namespace orbaklaw
