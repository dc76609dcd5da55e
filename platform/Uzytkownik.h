#pragma once
// The user the program runs as.

namespace orbaklaw::platform {

// A number that tells this user from the others on the machine.
unsigned long IdUzytkownika();

} // namespace orbaklaw::platform
