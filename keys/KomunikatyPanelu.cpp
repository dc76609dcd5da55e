#include "keys/KomunikatyPanelu.h"
#include "files/StronyKodowe.h"

namespace orbaklaw {

const char* KomunikatKwoty() {
    return "WPROWADŹ KWOTĘ W ZŁOTYCH Z MAKSYMALNIE DWOMA MIEJSCAMI PO PRZECINKU"_w1250;
}

const char* KomunikatLimituPlatnosci() {
    return "       Klawisz nie może zostać zatwierdzony.        \n"_w1250
           "Zdefiniowano już maksymalną liczbę płatności (osiem)."_w1250;
}

const char* KomunikatWersjiKasy() {
    return "   Nie można zapisać tej płatności do kasy.  \r"_w1250
           "Opcja możliwa od wersji 2 programu pracy kasy"_w1250;
}

const char* KomunikatBrakTowaru() {
    return "Nie wybrano towaru."; // plain ASCII
}

const char* KomunikatBrakFunkcji() {
    return "Nie wybrano funkcji.";
}

const char* KomunikatBrakPlatnosci() {
    return "Nie wybrano płatności."_w1250;
}

} // namespace orbaklaw
