#pragma once
// The one place where the program's single-byte texts meet QString.

#include <QString>

#include <string>

namespace orbaklaw {

// Windows-1250 bytes to QString and back.
QString Z1250(const std::string& tekst);
std::string Do1250(const QString& tekst);

// Whether every character of `tekst` has a Windows-1250 byte.
bool Miesci1250(const QString& tekst);

// Code page 852 bytes (the register's) to QString.
QString Z852(const std::string& tekst);

} // namespace orbaklaw
