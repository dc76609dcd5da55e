#pragma once
// The private folder of one run's register exchanges,
// $TMPDIR/orbaklaw-cli-XXXXXX, removed when the run ends. A run that is
// killed can't remove its own, so the folder is locked for as long as its
// run lives (a lock that the system drops with the process), and every run
// first removes this user's folders whose runs have ended.

#include <filesystem>
#include <memory>
#include <string>

namespace orbaklaw::cli {

class FolderWymiany {
public:
    // Makes the folder under $TMPDIR (else /tmp); none when it can't be
    // made, and `blad` then gets the path and the reason.
    static std::unique_ptr<FolderWymiany> Utworz(std::string& sciezkaBledu, int& blad);
    ~FolderWymiany();
    FolderWymiany(const FolderWymiany&) = delete;
    FolderWymiany& operator=(const FolderWymiany&) = delete;

    const std::filesystem::path& Sciezka() const { return sciezka_; }

private:
    FolderWymiany(std::filesystem::path sciezka, int blokada)
        : sciezka_(std::move(sciezka)), blokada_(blokada) {}

    std::filesystem::path sciezka_;
    int blokada_;
};

// Removes the folders under `tmp` of this user's runs that have ended.
void UsunPozostalosciWymian(const std::filesystem::path& tmp);

} // namespace orbaklaw::cli
