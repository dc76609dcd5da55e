#pragma once
// The register commands of orbaklaw-cli. They talk to the register through
// the same libraries as the program, with the KONFIG.TXT of the current
// folder, and print the message of the library's result in UTF-8.
//   read OUT    the register's key definitions into OUT
//   write FILE  the definitions of FILE into the register
//   delete      deletes the 37 deletable definitions in the register
//   goods OUT   the register's goods names into OUT (UTF-8, number TAB name)

#include <ostream>
#include <string>
#include <vector>

namespace orbaklaw::cli {

// The register or its library refused; the code is in the message.
constexpr int KodOdmowaKasy = 3;

int Read(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int Write(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int Delete(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);
int Goods(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);

} // namespace orbaklaw::cli
