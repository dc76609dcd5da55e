#include "transfer/TekstyZapisu.h"
#include "files/StronyKodowe.h"

#include "files/NazwyStale.h"

namespace orbaklaw {

std::string BladZastrzezonejNazwy(const std::string& nazwa) {
    return "BŁĄD ZAPISU: ZASTRZEŻONA NAZWA PLIKU ("_w1250 + nazwa + ")";
}

std::string ZapisanoDoKasyIDoPliku() {
    return std::string("Definicje klawiszy zapisano do kasy i do pliku ") + NazwaPlikuKlawiszy;
}

std::string NieUtworzonoZapytania() {
    return "Nie udało się stworzyc pliku wejsciowego"_w1250;
}

} // namespace orbaklaw
