#pragma once
// The real main window in a temporary working folder with orba-emu on COM1,
// the communication dialog and helpers to script it.

#include "OknoTestowe.h"
#include "SrodowiskoKasy.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orbaklaw {

class TOknoKomunik;

class KasaTestowa : public OknoTestowe {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the emulator (without pacing, so tests stay quick).
    void Uruchom(std::vector<std::string> opcje = {});
    TOknoKomunik& Okno() const;
    // Opens the dialog through "Połączenie"; `skrypt` acts in it as a user.
    void OtworzOkno(std::function<void(TOknoKomunik&)> skrypt);
    // Timeout in the dialog, then "Połącz", inside an open dialog.
    static void Polacz(TOknoKomunik& o, int timeout = 2);
    using OknoTestowe::Kliknij;
    static void Kliknij(QWidget* przycisk);

    bool Istnieje(const std::string& nazwa) const;
    std::string Plik(const std::string& nazwa) const;
    void Zapisz(const std::string& nazwa, const std::string& tresc) const;

    std::unique_ptr<testy::SrodowiskoKasy> kasa;
};

} // namespace orbaklaw
