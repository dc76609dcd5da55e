#pragma once
// "Pomoc" → "O programie": the program's version and the register libraries
// it takes, each with its path and whether it came with orbaklaw or is
// another one (the register maker's) put in its place.

#include "comm/BibliotekiProgramu.h"

#include <QString>

namespace orbaklaw {

class Dialogi;
class MenuOkna;

// The box's text for the two libraries.
QString TekstOProgramie(const OpisBiblioteki& kasdrv, const OpisBiblioteki& komport);

// Adds the entry to the menu bar; it shows the box through `dialogi`.
void DodajOProgramie(MenuOkna& menu, Dialogi& dialogi);

} // namespace orbaklaw
