#include "transfer/ZmianyDefinicji.h"

#include "format/PlikDefinicji.h"

namespace orbaklaw {

// Only what a definition file keeps counts: fields a kind doesn't use, left
// over from an earlier definition, are no one's work.
bool DefinicjeZmienione(const StanKlawiszy& stan) {
    return TekstPlikuDefinicji(stan.tablice, "") != TekstPlikuDefinicji(stan.zachowane, "");
}

void ZapamietajDefinicje(StanKlawiszy& stan) {
    stan.zachowane = stan.tablice;
}

} // namespace orbaklaw
