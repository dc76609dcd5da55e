#pragma once
// Calls into the real libraries with fixed string buffers, as the program makes them.

#include "comm/BuforTekstu.h"
#include "orbaklaw/kasdrv.h"
#include "orbaklaw/komport.h"

#include <string>

namespace orbaklaw::testy {

inline BuforTekstu B(const std::string& s) {
    return KonwNaBufor(s).value();
}

inline uint8_t ODef(const std::string& we = "123.@#$", const std::string& wy = "klawisz.txt") {
    return __ODefKlaw(B(we).data(), B(wy).data());
}
inline uint8_t ZDef(const std::string& plik = "klawisz.txt") {
    return __ZDefKlaw(B(plik).data());
}
inline uint8_t KDef(const std::string& plik = "tmp.plk") {
    return __KDefKlaw(B(plik).data());
}
inline uint8_t Towary(const std::string& we = "123.@#$", const std::string& wy = "towary.txt") {
    return __TowarMax(B(we).data(), B(wy).data());
}
inline uint8_t Plat(const std::string& we = "123.@#$", const std::string& wy = "plat.txt") {
    return __OPlat(B(we).data(), B(wy).data());
}

} // namespace orbaklaw::testy
