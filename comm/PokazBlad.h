#pragma once
// Shows the message of a register-library result code.

#include <cstdint>

namespace orbaklaw {

class Dialogi;

// The code's message (empty for a code without one) in the error box:
// error icon, caption "Error", one OK button.
void PokazBlad(Dialogi& dialogi, uint8_t kodBledu);

} // namespace orbaklaw
