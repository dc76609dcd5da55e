#pragma once
// Reader of animated cursor files (RIFF "ACON", extension .ani): the anih
// header, the optional rate and seq chunks and the icon frames of LIST fram.
// Plain bytes in, plain bytes out; the frames themselves are ICO/CUR files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbaklaw {

// Bounds that no real cursor comes near; a file beyond them is refused.
constexpr size_t NajwiekszyPlikAni = 4 * 1024 * 1024;
constexpr uint32_t NajwiecejKlatekAni = 256;
constexpr uint32_t NajwiecejKrokowAni = 1024;

struct AnimacjaAni {
    std::vector<std::string> klatki; // one ICO or CUR file per frame
    struct Krok {
        uint32_t klatka;  // index into klatki
        uint32_t jiffies; // how long it shows, in 1/60 s, at least 1
    };
    std::vector<Krok> kroki; // the animation, in order
};

// Nothing for a file that is not a well-formed animated cursor with icon
// frames (a chunk past its container, a bad count, a step naming a missing
// frame, frames stored as raw bitmaps, ...).
std::optional<AnimacjaAni> CzytajAni(std::string_view dane);

} // namespace orbaklaw
