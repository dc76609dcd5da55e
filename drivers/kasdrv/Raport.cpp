#include "drivers/kasdrv/Raport.h"

#include "transfer/PlikTekstowy.h"

#include <ctime>

namespace orbaklaw::kasdrv {

Raport::~Raport() {
    if (plik_)
        std::fclose(plik_);
}

bool Raport::Otworz() {
    plik_ = std::fopen(ZnajdzPlik(NazwaPlikuRaportu).c_str(), "ab");
    return plik_ != nullptr;
}

bool Raport::Dopisz(const std::string& funkcja, int numer, const std::string& lacze, uint8_t kod) {
    if (!plik_)
        return false;
    char czas[32] = "";
    const std::time_t teraz = std::time(nullptr);
    std::tm tm{};
    if (localtime_r(&teraz, &tm))
        std::strftime(czas, sizeof czas, "%Y-%m-%d\t%H:%M:%S", &tm);
    const std::string linia = std::string(czas) + "\t" + funkcja + "\tkasa " +
                              std::to_string(numer) + "\t" + lacze + "\tkod " +
                              std::to_string(kod) + "\r\n";
    const bool zapisana = std::fwrite(linia.data(), 1, linia.size(), plik_) == linia.size();
    return std::fflush(plik_) == 0 && zapisana;
}

} // namespace orbaklaw::kasdrv
