#pragma once
// RAPORT.TXT: two lines per exchange, appended. When it begins (before the
// port is opened), so that an exchange cut off (a killed run) leaves its
// trace:
//   date TAB time TAB function TAB "kasa " number TAB link TAB "początek"
// and when it ends:
//   date TAB time TAB function TAB "kasa " number TAB link TAB "kod " code
// followed, when the library knows more than the code says, by TAB and a
// Polish sentence (Windows-1250), such as which port is in use.
//
// The report is only ever a regular file: a symbolic link, a device or a
// pipe under its name is refused (code 9), so nothing is appended to
// whatever such a name points at. A report that can't be opened (a folder
// the user can't write in) does not stop the exchange: its line is then
// missing, which the caller tells as a warning.

#include "files/NazwyStale.h"
#include "orbaklaw/kasdrv_kody.h"
#include <cstdint>
#include <cstdio>
#include <string>

namespace orbaklaw::kasdrv {

class Raport {
public:
    Raport() = default;
    ~Raport();
    Raport(const Raport&) = delete;
    Raport& operator=(const Raport&) = delete;

    enum class Otwarcie { Otwarty, NieOtwarty, Odrzucony };
    // Opens the report (found whatever its case) for appending; Odrzucony
    // when something else than a regular file is under its name.
    Otwarcie Otworz();
    // Appends the line of an exchange that begins; false when it can't be
    // written.
    [[nodiscard]] bool Poczatek(const std::string& funkcja, int numer, const std::string& lacze);
    // Appends the line of one exchange's end; false when it can't be written.
    [[nodiscard]] bool Dopisz(const std::string& funkcja, int numer, const std::string& lacze,
                              uint8_t kod, const std::string& opis = {});

private:
    [[nodiscard]] bool Linia(const std::string& funkcja, int numer, const std::string& lacze,
                             const std::string& stan);

    std::FILE* plik_ = nullptr;
};

} // namespace orbaklaw::kasdrv
