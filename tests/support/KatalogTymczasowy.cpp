#include "tests/support/KatalogTymczasowy.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

namespace orbaklaw::test {

KatalogTymczasowy::KatalogTymczasowy() {
    std::string wzor = (std::filesystem::temp_directory_path() / "orbaklaw-test-XXXXXX").string();
    if (!mkdtemp(wzor.data()))
        throw std::runtime_error("mkdtemp failed");
    sciezka_ = wzor;
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
