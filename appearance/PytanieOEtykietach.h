#pragma once
// The question before label texts the user typed would be lost: on closing
// the window, before a label file replaces them and before the default
// layout empties them.

#include <QString>

namespace orbaklaw {

class Dialogi;
class EtykietyKlawiszy;

enum class UtrataEtykiet { Zamkniecie, OdczytZPliku };

// What opens every such question: the labels hold work saved nowhere.
QString NiezapisaneEtykiety();

// True when nothing would be lost, or the user answers "Tak" ("Nie", what
// Enter answers, keeps the labels).
bool MoznaUtracicEtykiety(Dialogi& dialogi, const EtykietyKlawiszy& etykiety, UtrataEtykiet utrata);

} // namespace orbaklaw
