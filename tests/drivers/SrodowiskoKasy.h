#pragma once
// A temporary working folder with an emulated register on COM1: the
// current directory, ORBAKLAW_COM1 and KONFIG.TXT are set up for the
// drivers, and everything is removed afterwards.

#include "emulator/ProcesEmulatora.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orbaklaw::testy {

class SrodowiskoKasy {
public:
    SrodowiskoKasy();
    ~SrodowiskoKasy();
    SrodowiskoKasy(const SrodowiskoKasy&) = delete;
    SrodowiskoKasy& operator=(const SrodowiskoKasy&) = delete;

    // Starts (or restarts) orba-emu on the link with these options.
    void Uruchom(const std::vector<std::string>& opcje);
    emulator::ProcesEmulatora& Emulator() { return *emulator_; }
    void Zatrzymaj() { emulator_.reset(); }

    // Writes KONFIG.TXT with these lines.
    void Konfiguracja(const std::vector<std::string>& linie) const;
    // "$01 TAB com1:<speed>:mux0:1 TAB <timeout>"
    void Konfiguracja(int timeout, int szybkosc = 9600) const;

    const std::filesystem::path& Folder() const { return folder_; }
    std::string Link() const { return (folder_ / "ttyORBA").string(); }
    std::string Stan() const { return (folder_ / "stan").string(); }

private:
    std::filesystem::path folder_;
    std::filesystem::path poprzedni_;
    std::unique_ptr<emulator::ProcesEmulatora> emulator_;
};

} // namespace orbaklaw::testy
