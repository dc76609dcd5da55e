#pragma once
// Field extractors for the tab-separated lines of the exchange files.

#include <string>
#include <string_view>

namespace orbaklaw {

// The n-th tab-separated field of a key line (n = 0 counts as 1); an empty
// field when the line has fewer fields. Blanks are kept.
std::string WezArgument(int n, std::string_view linia);

// The n-th field of a text split at `separator`. True only when that field
// exists and is not empty; `pole` is then the field, otherwise empty.
[[nodiscard]] bool WezPole(std::string_view tekst, int n, char separator, std::string& pole);
[[nodiscard]] bool WezPoleTab(std::string_view tekst, int n, std::string& pole);

} // namespace orbaklaw
