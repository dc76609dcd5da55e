#pragma once
// A register action that failed, as the window tells it: in words for a
// message box, or handed to the program's error handler as the library's
// and the system's failures always were.

#include "transfer/WynikKasy.h"

#include <QString>

namespace orbaklaw {

class Akcje;
class Dialogi;

// Why the action failed (Polish): the code's message and the library's
// reason, or what else went wrong. A port that can't be opened (code 20
// with the library's reason) is the cause: it comes first, with what the
// system says of the configured port's device now, then the code's
// message.
QString PowodNiepowodzenia(const WynikKasy& wynik);

// The error box of a register call that failed: PowodNiepowodzenia.
void PokazNiepowodzenie(Dialogi& dialogi, const WynikKasy& wynik);

// True when the backup before a change (`kopia`) was kept, or the user,
// told why not, chose to go on without it (`dalej` asks; Enter answers No).
bool DalejBezKopii(Dialogi& dialogi, const WynikKasy& kopia, const QString& dalej);

// Hands the failure of the library, the register number or a file to the
// action's error handler.
void DoObslugiBledu(const Akcje& akcje, const WynikKasy& wynik);

} // namespace orbaklaw
