#pragma once
// The buttons of "Definicje klawiszy" that move definitions: reading from
// the register or a file, writing to them, and deleting in the register.

#include "comm/BibliotekaKasdrv.h"

#include <QObject>

#include <optional>

namespace orbaklaw {

class Dialogi;
class TForm3;

class TransferDefinicji : public QObject {
    Q_OBJECT

public:
    TransferDefinicji(TForm3& okno, Dialogi& dialogi);

    // One handler for both read buttons, one for both write buttons; the
    // sender's name ("bOdczytPlik", "bZapisPlik") picks the file path.
    void bOdczytClick(QObject* nadawca);
    void bZapisClick(QObject* nadawca);
    void bKasowanieClick();

    // Register functions to call instead of libkasdrv.so (tests).
    void UzyjFunkcji(const FunkcjeKasdrv& funkcje) { funkcje_ = funkcje; }

private:
    TForm3& okno_;
    Dialogi& dialogi_;
    std::optional<FunkcjeKasdrv> funkcje_;
};

} // namespace orbaklaw
