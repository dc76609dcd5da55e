#include "keys/KomunikatyPanelu.h"

namespace orbaklaw {

const char* KomunikatKwoty() {
    // WPROWADŹ KWOTĘ W ZŁOTYCH Z MAKSYMALNIE DWOMA MIEJSCAMI PO PRZECINKU
    return "WPROWAD\217 KWOT\312 W Z\243OTYCH Z MAKSYMALNIE DWOMA MIEJSCAMI PO PRZECINKU";
}

const char* KomunikatLimituPlatnosci() {
    // "       Klawisz nie może zostać zatwierdzony.        " LF
    // "Zdefiniowano już maksymalną liczbę płatności (osiem)."
    return "       Klawisz nie mo\277e zosta\346 zatwierdzony.        \n"
           "Zdefiniowano ju\277 maksymaln\271 liczb\352 p\263atno\234ci (osiem).";
}

const char* KomunikatWersjiKasy() {
    // "   Nie można zapisać tej płatności do kasy.  " CR
    // "Opcja możliwa od wersji 2 programu pracy kasy"
    return "   Nie mo\277na zapisa\346 tej p\263atno\234ci do kasy.  \r"
           "Opcja mo\277liwa od wersji 2 programu pracy kasy";
}

const char* KomunikatBrakTowaru() {
    return "Nie wybrano towaru."; // plain ASCII
}

const char* KomunikatBrakFunkcji() {
    return "Nie wybrano funkcji.";
}

const char* KomunikatBrakPlatnosci() {
    return "Nie wybrano p\263atno\234ci."; // Nie wybrano płatności.
}

} // namespace orbaklaw
