#pragma once
// How a register library call is carried out. `operacja` is what the call
// does, `wywolanie` makes the call itself and gives its
// one-byte result. Without a carrier the call is made where it stands; the
// program hands in one that runs it on a worker thread while the window
// stays live (WymianaWTle).

#include "comm/OperacjaKasy.h"

#include <cstdint>
#include <functional>

namespace orbaklaw {

using WykonawcaWywolan =
    std::function<uint8_t(OperacjaKasy operacja, const std::function<uint8_t()>& wywolanie)>;

// The result of `wywolanie`, carried by `wykonawca` when there is one.
inline uint8_t Wykonaj(const WykonawcaWywolan& wykonawca, OperacjaKasy operacja,
                       const std::function<uint8_t()>& wywolanie) {
    return wykonawca ? wykonawca(operacja, wywolanie) : wywolanie();
}

} // namespace orbaklaw
