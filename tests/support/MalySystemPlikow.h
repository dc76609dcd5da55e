#pragma once
// A small file system of its own for one test (a tmpfs of a few dozen KiB),
// so that a save can meet a full disk. Mounting needs the administrator;
// where the test can't mount, Powod() says why and the test skips.

#include <filesystem>
#include <string>

namespace orbaklaw::test {

class MalySystemPlikow {
public:
    explicit MalySystemPlikow(size_t kilobajtow = 64);
    ~MalySystemPlikow();
    MalySystemPlikow(const MalySystemPlikow&) = delete;
    MalySystemPlikow& operator=(const MalySystemPlikow&) = delete;

    bool Zamontowany() const { return powod_.empty(); }
    const std::string& Powod() const { return powod_; } // why it isn't mounted
    const std::filesystem::path& sciezka() const { return sciezka_; }
    std::filesystem::path operator/(const std::string& nazwa) const { return sciezka_ / nazwa; }

    // Fills the file system with a file "wypelnienie" until only about
    // `wolnychBajtow` remain free.
    void ZostawWolne(size_t wolnychBajtow) const;

private:
    std::filesystem::path sciezka_;
    std::string powod_;
};

} // namespace orbaklaw::test
