#pragma once
// The name under which a running copy of the program announces itself, so
// that a second copy can find it.

#include <string>

namespace orbaklaw {

// An empty name becomes the executable's full path; blanks and backslashes
// become underscores. "VARKOORBA123" stays as it is.
std::string NormalizujUnique(std::string unique, const std::string& sciezkaProgramu);

// The name made safe as a file name: "/" and "%" are written as %2F and %25.
std::string NazwaPlikuBlokady(const std::string& unique);

} // namespace orbaklaw
