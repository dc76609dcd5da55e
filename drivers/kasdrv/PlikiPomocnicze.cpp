#include "drivers/kasdrv/PlikiPomocnicze.h"

#include "drivers/kasdrv/NazwyPlikow.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace orbaklaw::kasdrv {

namespace fs = std::filesystem;

PlikiPomocnicze::~PlikiPomocnicze() {
    for (auto& [uchwyt, o] : otwarte_) {
        std::fclose(o.plik);
        std::remove(o.tymczasowy.c_str());
    }
}

int32_t PlikiPomocnicze::Otworz(const std::string& nazwa, int32_t tryb) {
    if (tryb != 1 || nazwa.empty())
        return 0;
    std::lock_guard lock(mutex_);
    if (nastepny_ <= 0)
        return 0;
    Otwarty o;
    o.cel = PlikNaDysku(nazwa);
    const fs::path cel(o.cel);
    o.tymczasowy =
        (cel.parent_path() / ("." + cel.filename().string() + "." + std::to_string(getpid()) + "." +
                              std::to_string(nastepny_) + ".tmp"))
            .string();
    o.plik = std::fopen(o.tymczasowy.c_str(), "wb");
    if (!o.plik)
        return 0;
    const int32_t uchwyt = nastepny_++;
    otwarte_[uchwyt] = o;
    return uchwyt;
}

bool PlikiPomocnicze::ZapiszLinie(int32_t uchwyt, const std::string* linia) {
    std::lock_guard lock(mutex_);
    auto it = otwarte_.find(uchwyt);
    if (it == otwarte_.end())
        return false;
    if (!linia) {
        it->second.blad = true;
        return false;
    }
    const std::string tekst = *linia + "\r\n";
    if (std::fwrite(tekst.data(), 1, tekst.size(), it->second.plik) != tekst.size() ||
        std::fflush(it->second.plik) != 0)
        it->second.blad = true;
    return !it->second.blad;
}

bool PlikiPomocnicze::Zamknij(int32_t uchwyt) {
    std::lock_guard lock(mutex_);
    auto it = otwarte_.find(uchwyt);
    if (it == otwarte_.end())
        return false;
    Otwarty o = it->second;
    otwarte_.erase(it);
    bool dobry = !o.blad;
    dobry = std::fclose(o.plik) == 0 && dobry;
    if (dobry && std::rename(o.tymczasowy.c_str(), o.cel.c_str()) == 0)
        return true;
    std::remove(o.tymczasowy.c_str());
    return false;
}

} // namespace orbaklaw::kasdrv
