#pragma once
// How a register library call is carried out. `funkcja` is the library
// function's exported name, `wywolanie` makes the call itself and gives its
// one-byte result. Without a carrier the call is made where it stands; the
// program hands in one that runs it on a worker thread while the window
// stays live (WymianaWTle).

#include <cstdint>
#include <functional>

namespace orbaklaw {

using WykonawcaWywolan =
    std::function<uint8_t(const char* funkcja, const std::function<uint8_t()>& wywolanie)>;

// The result of `wywolanie`, carried by `wykonawca` when there is one.
inline uint8_t Wykonaj(const WykonawcaWywolan& wykonawca, const char* funkcja,
                       const std::function<uint8_t()>& wywolanie) {
    return wykonawca ? wykonawca(funkcja, wywolanie) : wywolanie();
}

} // namespace orbaklaw
