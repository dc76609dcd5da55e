#pragma once
// Carries one register library call on a worker thread while the GUI
// thread goes on: the window repaints, the busy cursor animates and a modal
// progress box shows how far the exchange is. Whatever is clicked or typed
// meanwhile is dropped. The caller waits until the call has ended, so calls
// stay one at a time and in order; what the call throws is thrown again to
// the caller, on the GUI thread.

#include "comm/WykonawcaWywolan.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace orbaklaw {

class Dialogi;
class PostepOperacji;
class PostepWymiany;

class WymianaWTle {
public:
    // Bytes done and expected of the exchange in progress, when known.
    using ZrodloPostepu = std::function<std::optional<std::pair<uint64_t, uint64_t>>()>;

    // While an action's progress (`operacja`) is under way, its box shows
    // the call instead of a box of the call's own.
    explicit WymianaWTle(Dialogi& dialogi, ZrodloPostepu postep = {},
                         PostepOperacji* const* operacja = nullptr);

    uint8_t operator()(OperacjaKasy operacja, const std::function<uint8_t()>& wywolanie) const;

    // What the progress box says for an operation.
    static QString Opis(OperacjaKasy operacja);

private:
    // Shows the library's count; gives the bytes expected (0: unknown).
    uint64_t Odswiez(PostepWymiany& postep) const;

    Dialogi* dialogi_;
    ZrodloPostepu postep_;
    PostepOperacji* const* operacja_;
};

} // namespace orbaklaw
