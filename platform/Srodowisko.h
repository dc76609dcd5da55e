#pragma once
// This process's environment and its local time.

#include <ctime>
#include <optional>
#include <string>

namespace orbaklaw::platform {

// The value of the environment variable `nazwa`; none when it isn't set.
[[nodiscard]] std::optional<std::string> Zmienna(const std::string& nazwa);

// The same, none also when the variable is set but empty: an empty value
// counts as unset.
inline std::optional<std::string> NiepustaZmienna(const std::string& nazwa) {
    auto wartosc = Zmienna(nazwa);
    if (wartosc && wartosc->empty())
        return std::nullopt;
    return wartosc;
}

// Sets the environment variable `nazwa` for this process and the programs
// it starts; false when the system refuses.
[[nodiscard]] bool UstawZmienna(const std::string& nazwa, const std::string& wartosc);

// Removes the environment variable `nazwa`; false when the system refuses.
[[nodiscard]] bool UsunZmienna(const std::string& nazwa);

// `czas` as the local calendar time; false when it can't be shown so.
[[nodiscard]] bool CzasLokalny(std::time_t czas, std::tm& lokalny);

} // namespace orbaklaw::platform
