#include "transfer/SterownikTransferu.h"

namespace orbaklaw {

SterownikTransferu::SterownikTransferu(TForm3& okno, Dialogi& dialogi)
    : okno_(okno), dialogi_(dialogi) {}

// Reading, writing and deleting come with their own work.
void SterownikTransferu::bOdczytClick(QObject*) {}
void SterownikTransferu::bZapisClick(QObject*) {}
void SterownikTransferu::bKasowanieClick() {}

} // namespace orbaklaw
