#include "keys/StanKlawiszy.h"

#include "format/PlikDefinicji.h"

#include <utility>

namespace orbaklaw {

// Only what a definition file keeps counts: fields a kind doesn't use, left
// over from an earlier definition, are no one's work.
bool DefinicjeZmienione(const StanKlawiszy& stan) {
    return TekstPlikuDefinicji(stan.tablice, "") != TekstPlikuDefinicji(stan.zachowane, "");
}

void ZapamietajDefinicje(StanKlawiszy& stan) {
    stan.zachowane = stan.tablice;
}

void ZapamietajDefinicje(StanKlawiszy& stan, std::string zrodlo) {
    ZapamietajDefinicje(stan);
    stan.ZrodloDefinicji = std::move(zrodlo);
}

std::string OpisZrodla(const StanKlawiszy& stan) {
    if (stan.ZrodloDefinicji.empty() || !DefinicjeZmienione(stan))
        return stan.ZrodloDefinicji;
    return stan.ZrodloDefinicji + ", potem zmienione";
}

} // namespace orbaklaw
