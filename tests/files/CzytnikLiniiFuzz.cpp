// Any bytes as a file: the line reader finds the lines that PodzielNaLinie
// finds in the same bytes, and with a bound on the line length it gives every
// line either whole or cut to one byte past the bound.
#include "files/CzytnikLinii.h"
#include "files/PlikTekstowy.h"

#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr size_t Granica = 8;

int PlikWPamieci() {
    static const int fd = memfd_create("czytnik-linii", 0);
    return fd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orbaklaw;
    const int fd = PlikWPamieci();
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        std::abort();
    const std::string plik = "/proc/self/fd/" + std::to_string(fd);
    const auto oczekiwane = PodzielNaLinie(std::string(reinterpret_cast<const char*>(data), size));

    CzytnikLinii caly(plik, size);
    CzytnikLinii krotki(plik, size, Granica);
    if (!caly.Otworz() || !krotki.Otworz())
        std::abort();
    // A line read, or none at the end; a failure to read ends the run.
    const auto jest = [](CzytnikLinii& czytnik, std::string& linia) {
        const auto wynik = czytnik.Nastepna(linia);
        if (!wynik)
            std::abort();
        return *wynik;
    };
    std::string linia, krotka;
    for (const std::string& o : oczekiwane) {
        if (!jest(caly, linia) || linia != o || !jest(krotki, krotka))
            std::abort();
        if (o.size() <= Granica
                ? krotka != o
                : krotka.size() != Granica + 1 || o.compare(0, Granica + 1, krotka) != 0)
            std::abort();
    }
    if (jest(caly, linia) || jest(krotki, krotka) || caly.Przeczytane() != size)
        std::abort();
    return 0;
}
