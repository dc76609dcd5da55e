// Any bytes as "towary.txt" and "plat.txt".
#include "files/PlikTekstowy.h"
#include "format/OdpowiedziKasy.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orbaklaw;
    const auto linie = PodzielNaLinie(std::string(reinterpret_cast<const char*>(data), size));
    Towary towary;
    CzytajTowary(linie, towary);
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
        if (towary.TekstPozycji(n).size() != 4 + towary.Nazwa852(n).size())
            std::abort();
    for (const auto& nazwa : CzytajPlatnosci(linie))
        if (nazwa && nazwa->empty())
            std::abort();
    return 0;
}
