#pragma once
// The question before changed definitions would be lost: on closing the
// window and before a read replaces them.

namespace orbaklaw {

class Dialogi;
struct StanKlawiszy;

enum class UtrataZmian { Zamkniecie, OdczytZKasy, OdczytZPliku };

// True when nothing would be lost, or the user answers "Tak" ("Nie", what
// Enter answers, keeps the definitions).
bool MoznaUtracicZmiany(Dialogi& dialogi, const StanKlawiszy& stan, UtrataZmian utrata);

} // namespace orbaklaw
