#pragma once
// The register commands of orbaklaw-cli. They talk to the register through
// the same libraries as the program (cli/SesjaCli.h) and print the message
// of the library's result in UTF-8.
//   read OUT                  the register's key definitions into OUT
//   write FILE [--verify]     the definitions of FILE into the register
//   delete                    deletes the 37 deletable definitions in the register
//   goods OUT                 the register's goods names into OUT (UTF-8, number TAB name)
//   verify FILE               the register's definitions compared with FILE
// write and delete first keep the register's definitions as a backup.

#include "cli/KodyWyjscia.h"

#include <ostream>
#include <string>
#include <vector>

namespace orbaklaw::cli {

int Read(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int Write(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int Delete(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int Goods(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int Verify(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);

} // namespace orbaklaw::cli
