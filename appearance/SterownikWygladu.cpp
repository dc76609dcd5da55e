#include "appearance/SterownikWygladu.h"

namespace orbaklaw {

SterownikWygladu::SterownikWygladu(TForm3& okno, Dialogi& dialogi)
    : okno_(okno), dialogi_(dialogi) {}

// Printing, label files and the font come with their own work.
void SterownikWygladu::bbDrukujClick() {}
void SterownikWygladu::BitBtnOdczytClick() {}
void SterownikWygladu::BitBtn1Click() {}
void SterownikWygladu::bCzcionkaClick() {}

} // namespace orbaklaw
