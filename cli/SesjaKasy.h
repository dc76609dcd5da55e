#pragma once
// One register command's talk with the register. The library reads
// KONFIG.TXT of the current folder and trades files there, so every exchange
// runs in a private temporary folder: its KONFIG.TXT is the user's
// configuration (KONFIG.TXT of the current folder, or --config FILE) as it
// is, or, when options change the connection, the one line of the register
// with the options applied. The user's KONFIG.TXT is never written. After
// each exchange the library's RAPORT.TXT lines are appended to RAPORT.TXT of
// the current folder.

#include "cli/OpcjeKasy.h"
#include "comm/BibliotekaKasdrv.h"
#include "files/PlikTekstowy.h"
#include "format/Konfiguracja.h"
#include "transfer/SprawdzenieZmiany.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orbaklaw::cli {

class SesjaKasy {
public:
    SesjaKasy(const OpcjeKasy& opcje, std::ostream& err);
    ~SesjaKasy();
    SesjaKasy(const SesjaKasy&) = delete;
    SesjaKasy& operator=(const SesjaKasy&) = delete;

    // Reads the configuration and makes the private folder; an exit code.
    int Przygotuj();

    // The register number as the configuration gives it ("01", "7").
    const std::string& NumerKasy() const { return numer_; }
    // The connection with the options applied.
    const UstawieniaKomunikacji& Ustawienia() const { return ustawienia_; }
    // The serial device behind the connection's COM port.
    std::string Urzadzenie() const;

    // The register's definitions as the library wrote them (checked as the
    // program reads them).
    int OdczytajDefinicje(std::string& tresc);
    // The definition file `tresc` into the register. When the reply was
    // lost or broken, the register's definitions are read back once and the
    // result is what the register holds (SprawdzPoZmianie).
    int ZapiszDefinicje(const std::string& tresc);
    int KasujDefinicje(const std::string& trescZadania);
    // The lines of the goods reply file.
    int OdczytajTowary(std::vector<std::string>& linie);

    // Before a write or a deletion: the register's definitions kept as a
    // backup (skipped with --no-backup); its path is printed on stderr.
    int ZachowajKopieKasy();
    // The register's definitions read for the backup; none without one.
    const std::optional<std::string>& Kopia() const { return kopia_; }

    // Prints "orbaklaw-cli: " and the text; gives `kod` back.
    int Blad(const std::string& tekst, int kod) const;
    // The same for a failed file operation (see KomunikatPliku).
    int BladPliku(const BladWejsciaWyjscia& blad, int kod) const;

private:
    int Konfiguruj(const std::string& trescKonfiguracji, bool jest);
    int Wywolaj(const std::string& opis,
                const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie);
    // The call alone: the library's result in `wynik`; another exit code
    // (after its message) when the call could not be made.
    int Wykonaj(const std::string& opis, const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie,
                uint8_t& wynik);
    // The exit code of the library's result, after its message and
    // `dopisek` (a last line) when it failed.
    int Wynik(uint8_t wynik, const std::string& dopisek = {});
    int UtworzZapytanie();
    // Writes `tresc` to `plik` in the working folder and hands the file to
    // `wywolanie` (a write or a deletion).
    int WyslijPlik(const char* plik, const std::string& tresc, const std::string& opis,
                   uint8_t (BibliotekaKasdrv::*wywolanie)(const std::string&),
                   const ZmianaWKasie& zmiana);
    // The register's definitions read back after a change, with no message.
    std::optional<std::string> OdczytajPoZmianie();
    // What the change should leave and what the register held before it.
    ZmianaWKasie Zmiana(bool kasowanie, const std::string& wyslane) const;
    void OddajRaport() const;
    int Wypisz(const std::string& tekstTerminala, int kod) const;

    const OpcjeKasy& opcje_;
    std::ostream* err_;
    std::string numer_;
    UstawieniaKomunikacji ustawienia_;
    std::string trescKonfiguracji_;
    std::unique_ptr<class FolderWymiany> wymiany_;
    std::filesystem::path folder_;
    uint8_t kodBledu_ = 0;
    std::optional<std::string> kopia_; // the register's definitions before a change
};

} // namespace orbaklaw::cli
