#pragma once
// Shows the busy cursor for the lifetime of a scope, e.g. one register call.

#include "widgets/KursorKlepsydry.h"

namespace orbaklaw {

class PokazanaKlepsydra {
public:
    explicit PokazanaKlepsydra(KursorKlepsydry& kursor) : kursor_(kursor) { kursor_.Pokaz(); }
    ~PokazanaKlepsydra() { kursor_.Przywroc(); }
    PokazanaKlepsydra(const PokazanaKlepsydra&) = delete;
    PokazanaKlepsydra& operator=(const PokazanaKlepsydra&) = delete;

private:
    KursorKlepsydry& kursor_;
};

} // namespace orbaklaw
