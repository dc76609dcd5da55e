#pragma once
// The CLI's side of a register command. The library reads KONFIG.TXT of the
// current folder and trades files there, so every exchange runs in a
// private temporary folder: its KONFIG.TXT is the user's configuration
// (KONFIG.TXT of the current folder, or --config FILE) as it is, or, when
// options change the connection, the one line of the register with the
// options applied. The user's KONFIG.TXT is never written. The register
// session (transfer/SesjaKasy) does the exchanges; this class turns their
// results into messages on stderr and exit codes, shows each call's progress
// on the terminal and hands the library's RAPORT.TXT lines to RAPORT.TXT of
// the current folder.

#include "cli/OpcjeKasy.h"
#include "comm/OperacjaKasy.h"
#include "files/PlikTekstowy.h"
#include "format/Konfiguracja.h"
#include "transfer/SesjaKasy.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

namespace orbaklaw::cli {

class FolderWymiany;

class SesjaCli {
public:
    SesjaCli(const OpcjeKasy& opcje, std::ostream& err);
    ~SesjaCli();
    SesjaCli(const SesjaCli&) = delete;
    SesjaCli& operator=(const SesjaCli&) = delete;

    // Reads the configuration and makes the private folder; an exit code.
    int Przygotuj();
    // Then, for the commands that trade files with the register: the serial
    // device checked (one that isn't there is named at once; the library
    // would only say 20) and the session opened; an exit code.
    int Otworz();

    // The register number as the configuration gives it ("01", "7").
    const std::string& NumerKasy() const { return numer_; }
    // The connection with the options applied.
    const UstawieniaKomunikacji& Ustawienia() const { return ustawienia_; }
    // The serial device behind the connection's COM port.
    const std::string& Urzadzenie() const { return urzadzenie_; }

    SesjaKasy& Sesja() { return *sesja_; }

    // The register's definitions (checked as the program reads them).
    int OdczytajDefinicje(std::string& tresc);
    // Before a write or a deletion: the register's definitions kept as a
    // backup (skipped with --no-backup); its path is printed on stderr.
    int ZachowajKopieKasy();

    // The exit code of a result, after its message and `dopisek` (a last
    // line) when it failed, or "Uwaga: " and the library's warning when it
    // did not.
    int Wynik(const WynikKasy& wynik, const std::string& dopisek = {});
    // The same for a write or a deletion, whose lost reply was judged by
    // what the register holds.
    int Wynik(const WynikZmiany& zmiana, bool kasowanie);

    // Prints "orbaklaw-cli: " and the text; gives `kod` back.
    int Blad(const std::string& tekst, int kod) const;
    // The same for a failed file operation (see KomunikatPliku).
    int BladPliku(const BladWejsciaWyjscia& blad, int kod) const;

private:
    int Konfiguruj(const std::string& trescKonfiguracji, bool jest);
    // One library call: the progress on the terminal, then the report lines.
    uint8_t Wykonaj(OperacjaKasy operacja, const std::function<uint8_t()>& wywolanie);
    void OddajRaport() const;
    int Wypisz(const std::string& tekstTerminala, int kod) const;
    // A port that can't be set up, with why (Windows-1250).
    int BladPortu(const std::string& powod) const;

    const OpcjeKasy& opcje_;
    std::ostream* err_;
    std::string numer_;
    UstawieniaKomunikacji ustawienia_;
    std::string urzadzenie_;
    std::string trescKonfiguracji_;
    std::unique_ptr<FolderWymiany> wymiany_;
    std::filesystem::path folder_;
    uint8_t kodBledu_ = 0;
    std::unique_ptr<BibliotekaKasdrv> kasdrv_;
    std::unique_ptr<SesjaKasy> sesja_;
};

} // namespace orbaklaw::cli
