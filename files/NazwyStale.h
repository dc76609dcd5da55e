#pragma once
// The fixed file names the program, the CLI, the register library and its
// callers share. Each is relative to the current folder; the library's own
// files (KONFIG.TXT, RAPORT.TXT) are found whatever their case.

namespace orbaklaw {

// The communication settings, read by the register library itself.
constexpr const char* NazwaPlikuKonfiguracji = "KONFIG.TXT";
// The side file the communication dialog writes beside KONFIG.TXT.
constexpr const char* NazwaPlikuIn = "in";
// The register library's report, one line per exchange.
constexpr const char* NazwaPlikuRaportu = "RAPORT.TXT";
// The three-line request file of every read from the register.
constexpr const char* NazwaPlikuZapytania = "123.@#$";
// The working copy of the key definitions sent to or read from the register.
constexpr const char* NazwaPlikuKlawiszy = "klawisz.txt";
// The deletion request file.
constexpr const char* NazwaPlikuKasowania = "tmp.plk";
// The reply files of the start-up query: goods and payment names.
constexpr const char* NazwaPlikuTowarow = "towary.txt";
constexpr const char* NazwaPlikuPlatnosci = "plat.txt";
// The insert saved for printing, removed once it is printed.
constexpr const char* NazwaPlikuWydruku = "@#$.bmp";

} // namespace orbaklaw
