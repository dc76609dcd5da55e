#include "transfer/PlikKasowania.h"

#include "files/PlikTekstowy.h"
#include "format/KodyKlawiszy.h"

#include <vector>

namespace orbaklaw {

namespace {
void DopiszKody(std::vector<std::string>& linie, Tabela tabela, int od) {
    for (int i = od; i < RozmiarTabeli(tabela); ++i)
        linie.push_back("$" + std::to_string(KodMiejsca({tabela, static_cast<uint8_t>(i)})));
}
} // namespace

std::string TekstPlikuKasowania(std::string_view numerKasy) {
    std::vector<std::string> linie{"#" + std::string(numerKasy), "#", "#"};
    DopiszKody(linie, Tabela::KlawiszeBezp, 0);
    DopiszKody(linie, Tabela::KlawiszePrawyAlt, 10);
    DopiszKody(linie, Tabela::KlawiszeLewyAlt, 10);
    return ZlaczLinie(linie);
}

} // namespace orbaklaw
