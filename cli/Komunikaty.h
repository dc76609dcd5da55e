#pragma once
// Texts on their way to the terminal. The program's own texts are
// Windows-1250; paths and system messages are the system's bytes (UTF-8).
// A message often holds both, so each byte sequence is taken for what it is.

#include <cstdint>
#include <ostream>
#include <string>

namespace orbaklaw {
class BladWejsciaWyjscia;
}

namespace orbaklaw::cli {

// What every message of the command begins with on the terminal.
inline constexpr const char* PoczatekKomunikatu = "orbaklaw-cli: ";

// What ends a message on a command given wrongly: where its usage is told.
inline constexpr const char* OdeslanieDoPomocy = " (orbaklaw-cli --help)\n";

// The terminal speaks UTF-8; the program's texts are Windows-1250 bytes.
// Bytes that Windows-1250 leaves undefined come out as U+FFFD.
std::string Utf8Z1250(const std::string& tekst1250);

// Valid UTF-8 sequences pass unchanged, every other byte above 127 is read
// as Windows-1250; a CR that is not part of CR LF becomes a line end.
std::string DlaTerminala(const std::string& tekst);

// A failed file operation: the path as given (the system's bytes, never
// converted), ": " and the reason (Windows-1250) in UTF-8. A failure that
// names no file is shown as DlaTerminala shows its message.
std::string KomunikatPliku(const BladWejsciaWyjscia& blad);

// Tells `err` of a failed file operation (PoczatekKomunikatu, KomunikatPliku
// and a line end) and gives the exit code for it, KodBladPliku.
int ZglosBladPliku(std::ostream& err, const BladWejsciaWyjscia& blad);

// A line of an input file as a message shows it: at most its first 255
// bytes, then "…" when there was more.
std::string LiniaWKomunikacie(const std::string& linia);

// "Kod N: " and the code's message for a terminal (Windows-1250): the
// table's advice to press the POŁĄCZENIE button, which the command line
// doesn't have, becomes the advice to check the configuration or options.
std::string KomunikatKodu(uint8_t kod);

} // namespace orbaklaw::cli
