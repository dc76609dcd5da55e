#include "comm/PlikZapytania.h"

#include "files/PlikTekstowy.h"

#include <string>

namespace orbaklaw {

bool UtworzPlikWejsciowy(const std::filesystem::path& plik, unsigned numer) {
    try {
        ZapiszAtomowo(plik, ZlaczLinie({"#" + std::to_string(numer), "#", "#"}));
        return true;
    } catch (const BladWejsciaWyjscia&) {
        return false;
    }
}

} // namespace orbaklaw
