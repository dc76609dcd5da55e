#pragma once
// How far the call in progress has got, in bytes on the line: what has been
// sent and received so far and what the whole call is expected to move. The
// thread that runs the exchanges writes it; any other thread may read it at
// any time (the two counts are read one after the other, so a reader clamps
// them to a sound pair).

#include <atomic>
#include <cstdint>

namespace orbaklaw::protocol {

class Postep {
public:
    // A call begins: nothing done, nothing expected yet.
    void Zacznij();
    // The call has ended.
    void Zakoncz();
    // Adds to the bytes expected (a negative count takes an estimate back).
    void Oczekuj(int64_t bajty);
    void Zrobiono(int64_t bajty);
    // False when no call runs (both counts then 0); otherwise done <= expected.
    [[nodiscard]] bool Odczytaj(uint32_t& zrobione, uint32_t& oczekiwane) const;

private:
    std::atomic<bool> trwa_{false};
    std::atomic<uint32_t> zrobione_{0};
    std::atomic<uint32_t> oczekiwane_{0};
};

} // namespace orbaklaw::protocol
