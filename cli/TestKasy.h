#pragma once
// orbaklaw-cli test: opens the port of KONFIG.TXT through the serial-port
// library, asks who answers and under which number, and prints the model,
// the version of its program and its number.

#include <ostream>
#include <string>
#include <vector>

namespace orbaklaw::cli {

int Test(const std::vector<std::string>& a, std::ostream& out, std::ostream& err);

} // namespace orbaklaw::cli
