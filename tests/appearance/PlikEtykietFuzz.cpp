// Any bytes as a label file: 38 texts come out, and writing them and reading
// them back gives the same texts when no text holds a line break.
#include "appearance/PlikEtykiet.h"
#include "files/PlikTekstowy.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orbaklaw;
    const std::string tekst(reinterpret_cast<const char*>(data), size);
    const auto teksty = ParsujEtykiety(PodzielNaLinie(tekst));
    bool bezKoncowLinii = true;
    for (const auto& t : teksty)
        if (t.find('\n') != std::string::npos || (!t.empty() && t.back() == '\r'))
            bezKoncowLinii = false;
    if (bezKoncowLinii && ParsujEtykiety(PodzielNaLinie(TekstPlikuEtykiet(teksty))) != teksty)
        std::abort();
    return 0;
}
