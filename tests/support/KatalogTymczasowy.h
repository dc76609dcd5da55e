#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <filesystem>
#include <string>

namespace orbaklaw::test {

class KatalogTymczasowy {
public:
    KatalogTymczasowy();
    ~KatalogTymczasowy();
    KatalogTymczasowy(const KatalogTymczasowy&) = delete;
    KatalogTymczasowy& operator=(const KatalogTymczasowy&) = delete;

    const std::filesystem::path& sciezka() const { return sciezka_; }
    std::filesystem::path operator/(const std::string& nazwa) const { return sciezka_ / nazwa; }

    void Zapisz(const std::string& nazwa, const std::string& tresc) const;
    std::string Czytaj(const std::string& nazwa) const;

private:
    std::filesystem::path sciezka_;
};

} // namespace orbaklaw::test
