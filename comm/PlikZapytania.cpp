#include "comm/PlikZapytania.h"

#include "files/PlikTekstowy.h"

#include <string>

namespace orbaklaw {

bool UtworzPlikWejsciowy(const std::filesystem::path& plik, unsigned numer) {
    return ZapiszAtomowo(plik, ZlaczLinie({"#" + std::to_string(numer), "#", "#"})).Udany();
}

} // namespace orbaklaw
