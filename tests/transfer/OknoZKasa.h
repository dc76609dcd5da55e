#pragma once
// The real main window in a temporary working folder with orba-emu on COM1
// and KONFIG.TXT for register 01, plus helpers that talk to the emulated
// register through the real library, behind the window's back.

#include "OknoTestowe.h"
#include "SrodowiskoKasy.h"

#include "format/TabliceKlawiszy.h"

#include <QString>

#include <string>

namespace orbaklaw {

class OknoZKasa : public OknoTestowe {
public:
    // The bytes of a file; empty when it can't be read.
    static std::string Plik(const std::string& nazwa);

protected:
    void SetUp() override;

    // Stores definitions in the register (they must be within its limits).
    void ZapiszWKasie(const TabliceKlawiszy& t);
    // What the register holds now.
    TabliceKlawiszy CzytajZKasy();

    // Definitions of every kind and in every table, within the register's limits.
    static TabliceKlawiszy Przyklad();
    // The fields that the kind of each record uses (what a definition means).
    static TabliceKlawiszy Znaczenie(const TabliceKlawiszy& t);

    // The message of a result code as the error box shows it.
    static QString KomunikatKodu(uint8_t kod);
    // The question after a backup that failed for `powod`, before a write
    // (or a deletion).
    static QString PytanieKopii(const QString& powod, bool kasowanie = false);
    // How a register call fails when the port can't be opened: the device
    // is gone, or another program holds it. The cause first, then the
    // message of the code the library gives (20).
    QString BrakPortu(bool zajety = false) const;
    // The question of a deletion that could not read the register: that
    // said first, with `powod`.
    static QString PytanieBezOdczytu(const QString& powod);
    static bool Istnieje(const std::string& nazwa);
    // The newest backup in the test's backup folder, as the window names it.
    static QString NajnowszaKopia();
    // The lines a write or deletion's message ends with when the register,
    // read back, holds what it should.
    static QString Sprawdzono();
    // Makes `nazwa` a folder holding a file, so it can be neither written
    // nor removed as a file.
    static void Zablokuj(const std::string& nazwa);

    // Shows the key of first-line label field `pole` in variant `wariant`,
    // by a press on the picture at the field's corner.
    void PokazPole(int wariant, const char* pole);

    testy::SrodowiskoKasy kasa;
};

} // namespace orbaklaw
