#pragma once
// Paths between the window and the file system. A path chosen in a dialog
// or given on the command line reaches the file system as bytes of the
// system's own encoding (never Windows-1250, which is only the encoding of
// the program's texts and of what it writes into the register's files).

#include <QString>

#include <filesystem>
#include <string>

namespace orbaklaw {

std::filesystem::path SciezkaSystemu(const QString& sciezka);

// A path of the file system as Qt takes it.
QString SciezkaQt(const std::filesystem::path& sciezka);

// A path of the program's bytes as the user reads it.
QString SciezkaDoPokazania(const std::string& sciezka);

// What the user is told of a chosen file whose name the register library
// keeps for itself.
QString ZastrzezonaNazwaPliku(const QString& sciezka);

} // namespace orbaklaw
