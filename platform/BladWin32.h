#pragma once
// The system's sentence for a Win32 error code (Windows only).

#include <string>

namespace orbaklaw::platform {

// The system's text for `kod` in the system's code page, without the
// trailing line break; "błąd N" (Windows-1250) when the system has none.
std::string OpisBleduWin32(unsigned long kod);

} // namespace orbaklaw::platform
