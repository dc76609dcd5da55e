#include "tests/support/KatalogTymczasowy.h"

#include "platform/FolderTymczasowy.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace orbaklaw::test {

KatalogTymczasowy::KatalogTymczasowy() {
    std::error_code blad;
    sciezka_ = platform::UtworzFolderTymczasowy(std::filesystem::temp_directory_path(),
                                                "orbaklaw-test-", blad);
    if (blad)
        throw std::runtime_error("no temporary folder: " + blad.message());
}

KatalogTymczasowy::~KatalogTymczasowy() {
    std::error_code ec;
    std::filesystem::remove_all(sciezka_, ec);
}

void KatalogTymczasowy::Zapisz(const std::string& nazwa, const std::string& tresc) const {
    std::ofstream(sciezka_ / nazwa, std::ios::binary) << tresc;
}

std::string KatalogTymczasowy::Czytaj(const std::string& nazwa) const {
    std::ifstream wejscie(sciezka_ / nazwa, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(wejscie)), {});
}

} // namespace orbaklaw::test
