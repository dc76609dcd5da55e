#include "files/BladSystemu.h"
#include "files/StronyKodowe.h"

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
        return "Brak uprawnień"_w1250;
    case ENOSPC:
        return "Brak miejsca na dysku";
#ifdef EDQUOT // Windows has no disk quotas in errno
    case EDQUOT:
        return "Przekroczony limit miejsca na dysku";
#endif
    case EROFS:
        return "System plików tylko do odczytu"_w1250;
    case EISDIR:
        return "To jest katalog";
    case ENOTDIR:
        return "Składnik ścieżki nie jest katalogiem"_w1250;
    case ENAMETOOLONG:
        return "Za długa nazwa pliku"_w1250;
    case EIO:
        return "Błąd wejścia-wyjścia"_w1250;
    case EMFILE:
    case ENFILE:
        return "Za dużo otwartych plików"_w1250;
    case ELOOP:
        return "Za dużo dowiązań symbolicznych"_w1250;
    case EBUSY:
    case ETXTBSY:
        return "Plik jest zajęty"_w1250;
    case EFBIG:
        return OpisZaDuzegoPliku();
    default:
        return std::strerror(numer);
    }
}

std::string OpisNieZwyklegoPliku() {
    return "To nie jest zwykły plik"_w1250;
}

std::string OpisZaDuzegoPliku() {
    return "Plik jest za duży"_w1250;
}

std::string OpisPlikuDoOdczytu() {
    return "Plik jest tylko do odczytu";
}

std::string OpisCzekaniaNaDane() {
    return "Plik nie daje danych bez czekania";
}

std::string OpisZaDlugiegoOdczytu() {
    return "Odczyt pliku trwa za długo"_w1250;
}

} // namespace orbaklaw
