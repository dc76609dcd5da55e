#include "comm/SterownikKomunikacji.h"

namespace orbaklaw {

SterownikKomunikacji::SterownikKomunikacji(TForm3& okno, Dialogi& dialogi)
    : okno_(okno), dialogi_(dialogi) {}

// The dialog, the link test and the start-up query come with their own work.
void SterownikKomunikacji::UtworzOknoKomunik() {}
void SterownikKomunikacji::Button4Click() {}
void SterownikKomunikacji::PokazOknoKomunik() {}
void SterownikKomunikacji::OdczytStartowy() {}

} // namespace orbaklaw
