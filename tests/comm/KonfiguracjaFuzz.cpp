// Any bytes as a KONFIG.TXT line: a line read as valid must be one the
// dialog could have written, and must read back the same.
#include "format/Konfiguracja.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orbaklaw;
    const std::string linia(reinterpret_cast<const char*>(data), size);
    (void)NumerKasyZLinii(linia);
    const auto wynik = ParsujLinieKonfiguracji(linia);
    if (wynik.kod != 0 && wynik.kod != 13 && wynik.kod != 15 && wynik.kod != 16)
        std::abort();
    if (wynik.kod == 0) {
        const auto& u = wynik.wpis.ustawienia;
        const auto ponownie =
            ParsujLinieKonfiguracji(LiniaKonfiguracji(std::to_string(wynik.wpis.numerKasy), u));
        if (ponownie.kod != 0 || ponownie.wpis.ustawienia.port != u.port ||
            ponownie.wpis.numerKasy != wynik.wpis.numerKasy)
            std::abort();
    }
    return 0;
}
