#include "drivers/kasdrv/Raport.h"

#include "files/PlikTekstowy.h"
#include "files/StronyKodowe.h"
#include "orbaklaw/kasdrv.h"
#include "platform/Dopisywanie.h"
#include "platform/OdczytPliku.h"
#include "platform/Srodowisko.h"

#include <ctime>
#include <filesystem>

namespace orbaklaw::kasdrv {

Raport::~Raport() {
    if (plik_)
        std::fclose(plik_);
}

Raport::Otwarcie Raport::Otworz() {
    const auto inny = platform::NiepustaZmienna(KASDRV_ZMIENNA_RAPORTU);
    const std::filesystem::path sciezka =
        inny ? std::filesystem::path(*inny) : ZnajdzPlik(NazwaPlikuRaportu);
    // A pipe under the name must not hold the call until someone reads it.
    const int fd = platform::OtworzDoDopisywania(sciezka);
    if (fd < 0) {
        // A link, a pipe or a device is refused; a regular file or none that
        // can't be opened leaves the line out.
        std::error_code ec;
        const auto rodzaj = std::filesystem::symlink_status(sciezka, ec).type();
        return rodzaj == std::filesystem::file_type::regular ||
                       rodzaj == std::filesystem::file_type::not_found
                   ? Otwarcie::NieOtwarty
                   : Otwarcie::Odrzucony;
    }
    auto rodzaj = platform::RodzajPliku::Inny;
    uintmax_t rozmiar = 0;
    if (!platform::RodzajIRozmiar(fd, rodzaj, rozmiar) || rodzaj != platform::RodzajPliku::Zwykly) {
        platform::ZamknijPlik(fd);
        return Otwarcie::Odrzucony;
    }
    plik_ = platform::StrumienDopisywania(fd);
    if (!plik_) {
        platform::ZamknijPlik(fd);
        return Otwarcie::NieOtwarty;
    }
    return Otwarcie::Otwarty;
}

bool Raport::Poczatek(const std::string& funkcja, int numer, const std::string& lacze) {
    return Linia(funkcja, numer, lacze, "początek"_w1250);
}

bool Raport::Dopisz(const std::string& funkcja, int numer, const std::string& lacze, uint8_t kod,
                    const std::string& opis) {
    std::string stan = "kod " + std::to_string(kod);
    if (!opis.empty())
        stan += "\t" + opis;
    return Linia(funkcja, numer, lacze, stan);
}

bool Raport::Linia(const std::string& funkcja, int numer, const std::string& lacze,
                   const std::string& stan) {
    if (!plik_)
        return false;
    char czas[32] = "";
    const std::time_t teraz = std::time(nullptr);
    std::tm tm{};
    if (platform::CzasLokalny(teraz, tm))
        std::strftime(czas, sizeof czas, "%Y-%m-%d\t%H:%M:%S", &tm);
    const std::string linia = std::string(czas) + "\t" + funkcja + "\tkasa " +
                              std::to_string(numer) + "\t" + lacze + "\t" + stan + "\r\n";
    const bool zapisana = std::fwrite(linia.data(), 1, linia.size(), plik_) == linia.size();
    return std::fflush(plik_) == 0 && zapisana;
}

} // namespace orbaklaw::kasdrv
