#pragma once
// Which serial device each COM port is, as the user chose it in "Porty
// szeregowe...". Kept per user in $XDG_CONFIG_HOME/orbaklaw/porty.txt
// (~/.config/orbaklaw/porty.txt when XDG_CONFIG_HOME is not set), read by
// the register libraries at every call, so that the program and
// orbaklaw-cli reach the same device.
//
// The file: one line per assigned port, "COM<n>=<device>" (n 1..256, the
// device's path as bytes of the system's encoding), lines ended by CR LF
// (LF alone is read too). Lines starting with "#" are comments and blank
// lines count as none; of two lines for one port the first counts. A port
// without a line is its system default (/dev/ttyS<n-1>). A file that is
// there but can't be read, or that has a line of any other form, assigns
// no port at all: a register call then fails naming the file, the line and
// what is wrong rather than reach a device the user never chose.

#include "files/PlikTekstowy.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orbaklaw {

class PrzypisaniePortow {
public:
    // The file of the current user; empty when neither XDG_CONFIG_HOME nor
    // HOME says where it is.
    static std::filesystem::path Plik();

    // The file's assignments; none when it is missing or can't be read
    // (a port then stays its default).
    static PrzypisaniePortow Czytaj(const std::filesystem::path& plik);
    static PrzypisaniePortow ZTekstu(const std::string& tekst);

    // The file's assignments for a connection: none assigned when it is
    // missing; a file that can't be read or has a bad line gives the
    // reason instead (the file, "linia N: " and what is wrong).
    struct Odczyt;
    static Odczyt CzytajDoPolaczenia(const std::filesystem::path& plik);

    // Writes the file atomically, creating its folder; else the reason it
    // could not be written.
    WynikPliku<void> Zapisz(const std::filesystem::path& plik) const;
    std::string Tekst() const;

    [[nodiscard]] std::optional<std::string> Urzadzenie(int com) const;
    // An empty device gives the port back to its default.
    void Ustaw(int com, const std::string& urzadzenie);

    bool operator==(const PrzypisaniePortow&) const = default;

private:
    static PrzypisaniePortow ZLinii(const std::vector<std::string>& linie);

    std::map<int, std::string> porty_;
};

struct PrzypisaniePortow::Odczyt {
    PrzypisaniePortow przypisanie;
    std::optional<BladWejsciaWyjscia> blad;
};

} // namespace orbaklaw
