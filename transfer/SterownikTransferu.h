#pragma once
// The buttons of "Definicje klawiszy" that move definitions: reading from
// the register or a file, writing to them, and deleting in the register.

#include <QObject>

namespace orbaklaw {

class Dialogi;
class TForm3;

class SterownikTransferu : public QObject {
    Q_OBJECT

public:
    SterownikTransferu(TForm3& okno, Dialogi& dialogi);

    // One handler for both read buttons, one for both write buttons; the
    // sender's name ("bOdczytPlik", "bZapisPlik") picks the file path.
    void bOdczytClick(QObject* nadawca);
    void bZapisClick(QObject* nadawca);
    void bKasowanieClick();

private:
    [[maybe_unused]] TForm3& okno_; // for the work still to come
    [[maybe_unused]] Dialogi& dialogi_;
};

} // namespace orbaklaw
