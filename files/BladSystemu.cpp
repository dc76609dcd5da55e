#include "files/BladSystemu.h"

#include <cerrno>
#include <cstring>

namespace orbaklaw {

// Texts are Windows-1250; the readable form is beside each.
std::string OpisBleduSystemu(int numer) {
    switch (numer) {
    case ENOENT:
        return "Nie ma takiego pliku ani katalogu";
    case EACCES:
    case EPERM:
        return "Brak uprawnie\361"; // Brak uprawnień
    case ENOSPC:
        return "Brak miejsca na dysku";
#ifdef EDQUOT // Windows has no disk quotas in errno
    case EDQUOT:
        return "Przekroczony limit miejsca na dysku";
#endif
    case EROFS:
        return "System plik\363w tylko do odczytu"; // System plików tylko do odczytu
    case EISDIR:
        return "To jest katalog";
    case ENOTDIR:
        return "Sk\263adnik \234cie\277ki nie jest katalogiem"; // Składnik ścieżki ...
    case ENAMETOOLONG:
        return "Za d\263uga nazwa pliku"; // Za długa nazwa pliku
    case EIO:
        return "B\263\271d wej\234cia-wyj\234cia"; // Błąd wejścia-wyjścia
    case EMFILE:
    case ENFILE:
        return "Za du\277o otwartych plik\363w"; // Za dużo otwartych plików
    case ELOOP:
        return "Za du\277o dowi\271za\361 symbolicznych"; // Za dużo dowiązań symbolicznych
    case EBUSY:
    case ETXTBSY:
        return "Plik jest zaj\352ty"; // Plik jest zajęty
    case EFBIG:
        return OpisZaDuzegoPliku();
    default:
        return std::strerror(numer);
    }
}

std::string OpisNieZwyklegoPliku() {
    return "To nie jest zwyk\263y plik"; // To nie jest zwykły plik
}

std::string OpisZaDuzegoPliku() {
    return "Plik jest za du\277y"; // Plik jest za duży
}

std::string OpisPlikuDoOdczytu() {
    return "Plik jest tylko do odczytu";
}

std::string OpisCzekaniaNaDane() {
    return "Plik nie daje danych bez czekania";
}

std::string OpisZaDlugiegoOdczytu() {
    return "Odczyt pliku trwa za d\263ugo"; // Odczyt pliku trwa za długo
}

} // namespace orbaklaw
