#pragma once
// The text of a failure for a message box. The program's own messages are
// Windows-1250; a path in an input-output failure is in the system's
// encoding and is shown as such, so that "zażółć.txt" reads as written.

#include <QString>

#include <exception>

namespace orbaklaw {

class BladWejsciaWyjscia;

QString TekstBledu(const std::exception& blad);
QString TekstBledu(const BladWejsciaWyjscia& blad);

} // namespace orbaklaw
