// Any bytes as a key-definition file: the parser must neither crash nor
// store a definition outside the 64 keys, and what it accepts must write
// back to a file it accepts again with the same result.
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orbaklaw;
    const std::string tekst(reinterpret_cast<const char*>(data), size);
    TabliceKlawiszy tablice;
    const auto wynik = ParsujDefinicje(tablice, PodzielNaLinie(tekst));
    if (!wynik.poprawny && wynik.zlaLinia.size() > tekst.size())
        std::abort();
    if (tablice.KlawiszeLewyAlt[9] != DefinicjaKlawisza{} ||
        tablice.KlawiszePrawyAlt[9] != DefinicjaKlawisza{})
        std::abort();
    const std::string zapisany = TekstPlikuDefinicji(tablice, "01");
    TabliceKlawiszy ponownie;
    if (!ParsujDefinicje(ponownie, PodzielNaLinie(zapisany)).poprawny)
        std::abort();
    if (TekstPlikuDefinicji(ponownie, "01") != zapisany)
        std::abort();
    return 0;
}
