#include "cli/Porownanie.h"

#include "cli/Json.h"
#include "cli/Komunikaty.h"
#include "cli/OpisKlawisza.h"

namespace orbaklaw::cli {

void WypiszRoznice(const std::vector<RoznicaKlawisza>& roznice, std::ostream& out) {
    for (const auto& r : roznice)
        out << Utf8Z1250(OpisRoznicy(r)) << "\n";
}

void WypiszRozniceJson(const std::vector<RoznicaKlawisza>& roznice, std::ostream& out) {
    out << "{\"rowne\": " << (roznice.empty() ? "true" : "false") << ", \"roznice\": [";
    for (size_t i = 0; i < roznice.size(); ++i)
        out << (i ? ",\n  " : "\n  ") << "{" << JsonMiejsca(roznice[i].miejsce)
            << ", \"a\": " << JsonDefinicji(roznice[i].a)
            << ", \"b\": " << JsonDefinicji(roznice[i].b) << "}";
    out << (roznice.empty() ? "]}\n" : "\n]}\n");
}

} // namespace orbaklaw::cli
