#pragma once
// The open files of the library's file helpers. Each file is saved as the
// program saves every file (ZapisAtomowy): the target is replaced only when
// the file is closed whole.

#include "files/ZapisAtomowy.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace orbaklaw::kasdrv {

class PlikiPomocnicze {
public:
    PlikiPomocnicze() = default;
    ~PlikiPomocnicze();
    PlikiPomocnicze(const PlikiPomocnicze&) = delete;
    PlikiPomocnicze& operator=(const PlikiPomocnicze&) = delete;

    // A handle above 0, or 0 when the file can't be opened or the mode isn't 1.
    [[nodiscard]] int32_t Otworz(const std::string& nazwa, int32_t tryb);
    // A null line (one that could not be taken from its buffer) fails and
    // spoils the file like a failed write.
    [[nodiscard]] bool ZapiszLinie(int32_t uchwyt, const std::string* linia);
    // True when the file is in place; a file with a failed line is dropped.
    [[nodiscard]] bool Zamknij(int32_t uchwyt);

private:
    struct Otwarty {
        std::unique_ptr<ZapisAtomowy> zapis;
        bool blad = false;
    };
    std::mutex mutex_;
    std::map<int32_t, Otwarty> otwarte_;
    int32_t nastepny_ = 1;
};

} // namespace orbaklaw::kasdrv
