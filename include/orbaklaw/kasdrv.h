#pragma once
/*
 * kasdrv - the register-protocol library of orbaklaw.
 *
 * Every exchange function carries out one whole exchange with an ORBA
 * register and trades data through text files in the current directory.
 * File names are passed as fixed string buffers: the address of a 256-byte
 * block holding a zero-terminated name of at most 255 bytes. A block without
 * a terminator is refused (code 6 for an input name, 8 for an output name).
 *
 * Every exchange function returns one byte: KASDRV_OK (0) for success,
 * otherwise a code of the program's message table (kasdrv_kody.h). Each
 * function below lists the codes it can return; "refusals" stands for the
 * register's own refusals 101..115, 200..211 and KASDRV_NIEZNANA_ODMOWA.
 *
 * Configuration: KONFIG.TXT, one line per register that can be reached,
 *    "$" number TAB "com" port ":" speed ":mux" multiplexer ":" channel TAB timeout
 * The line whose number equals the number in the input file is used. The
 * timeout is in seconds (1..1000): the longest silence allowed on the line,
 * before the register's acknowledgement and between the bytes of its reply.
 * COM n is the device named by the environment variable ORBAKLAW_COM<n>,
 * else the one assigned to it in the user's port assignment file
 * ($XDG_CONFIG_HOME/orbaklaw/porty.txt, ~/.config/orbaklaw/porty.txt without
 * XDG_CONFIG_HOME; lines "COM<n>=<device>"), else /dev/ttyS<n-1>.
 *
 * Every exchange call first asks the register on the line for its number
 * (after choosing the multiplexer channel, when there is one); when it is
 * not the number in the input file, the result is 22 and nothing else is
 * sent. A register acts only on requests for its own number.
 *
 * The port is held for the call alone: while a call runs, no other program
 * (nor libkomport) can open it, and a call that finds it held gives 20.
 *
 * Output files are written completely or not at all: a failed exchange never
 * replaces an older file, and a reply the program's reader would refuse is
 * refused (23) rather than written. Each exchange appends one line to
 * RAPORT.TXT with the result the call returns; RAPORT.TXT must be a regular
 * file (a symbolic link under its name gives 9). When the environment
 * variable ORBAKLAW_RAPORT (KASDRV_ZMIENNA_RAPORTU) names a file, the lines
 * go there instead of to RAPORT.TXT of the current directory. A line that
 * can't be written leaves the exchange's result as it is and is told by
 * kasdrv_opis_bledu.
 *
 * Threading: every call blocks until its exchange ends. Calls are serialised
 * inside the library; they may come from any thread. kasdrv_postep may be
 * called from any thread at any time, also while a call runs.
 */

#include "kasdrv_kody.h"

#include <stdint.h>

/* The environment variable naming the report file to append to. */
#define KASDRV_ZMIENNA_RAPORTU "ORBAKLAW_RAPORT"

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) && defined(KASDRV_BUDOWA)
#define KASDRV_API __declspec(dllexport)
#elif defined(_WIN32)
#define KASDRV_API
#elif defined(__GNUC__)
#define KASDRV_API __attribute__((visibility("default")))
#else
#define KASDRV_API
#endif

/* Calling convention of every function below. Only 32-bit Windows has more
 * than one, and there the library and the programs that call it must agree:
 * KASDRV_WYWOLANIE is __cdecl unless defined otherwise before this header (the
 * build's setting ORBAKLAW_KASDRV_WYWOLANIE, e.g. -DKASDRV_WYWOLANIE=__stdcall).
 * __cdecl is the default since the exported names are C names with a
 * leading underscore added, as compilers name __cdecl functions. The exported names carry no
 * decoration either way. */
#ifndef KASDRV_WYWOLANIE
#if defined(_WIN32) && !defined(_WIN64)
#define KASDRV_WYWOLANIE __cdecl
#else
#define KASDRV_WYWOLANIE
#endif
#endif

/* Reads the register's 64 key definitions into `wyjscie` (key-definition
 * file: "#NN", "#", "#", then one line per key). `wejscie` is the request
 * file: "#" + register number, "#", "#".
 * Returns KASDRV_OK, KASDRV_WEJSCIE_KONFIG, KASDRV_WEJSCIE_RAPORT, KASDRV_BRAK_WEJSCIA,
 *   KASDRV_BRAK_KONFIGURACJI, KASDRV_BRAK_RAPORTU, KASDRV_NIEKOMPLETNE_WEJSCIE,
 *   KASDRV_ZLY_FORMAT_WEJSCIA, KASDRV_ZLE_DANE_WEJSCIA, KASDRV_NIEKOMPLETNA_KONFIGURACJA,
 *   KASDRV_BRAK_SKOJARZENIA, KASDRV_ZLE_DANE_KONFIGURACJI, KASDRV_ZLY_FORMAT_KONFIGURACJI,
 *   KASDRV_ZAPIS_RAPORTU, KASDRV_NUMER_POZA_ZAKRESEM, KASDRV_TIMEOUT_NADAWANIA,
 *   KASDRV_TIMEOUT_ODBIERANIA, KASDRV_INNA_KASA, KASDRV_ZLA_ODPOWIEDZ, KASDRV_NAK,
 *   KASDRV_NIEDOSTEPNY_ROZKAZ,
 *   KASDRV_BRAK_WYJSCIA, KASDRV_WYJSCIE_ZASTRZEZONE, KASDRV_TE_SAME_NAZWY,
 *   KASDRV_WYJSCIE_NIEDOSTEPNE, KASDRV_ZAPIS_WYJSCIA, refusals. */
KASDRV_API uint8_t KASDRV_WYWOLANIE __ODefKlaw(const char* wejscie, const char* wyjscie);

/* Stores the definitions of the key-definition file `plik` in the register
 * (the register number is in its first line). The register takes all of
 * them or none; keys the file does not name become undefined.
 * Returns KASDRV_OK, KASDRV_WEJSCIE_KONFIG, KASDRV_WEJSCIE_RAPORT, KASDRV_BRAK_WEJSCIA,
 *   KASDRV_BRAK_KONFIGURACJI, KASDRV_BRAK_RAPORTU, KASDRV_NIEKOMPLETNE_WEJSCIE,
 *   KASDRV_ZLY_FORMAT_WEJSCIA, KASDRV_ZLE_DANE_WEJSCIA, KASDRV_NIEKOMPLETNA_KONFIGURACJA,
 *   KASDRV_BRAK_SKOJARZENIA, KASDRV_ZLE_DANE_KONFIGURACJI, KASDRV_ZLY_FORMAT_KONFIGURACJI,
 *   KASDRV_ZAPIS_RAPORTU, KASDRV_NUMER_POZA_ZAKRESEM, KASDRV_TIMEOUT_NADAWANIA,
 *   KASDRV_TIMEOUT_ODBIERANIA, KASDRV_INNA_KASA, KASDRV_ZLA_ODPOWIEDZ, KASDRV_NAK,
 *   KASDRV_NIEDOSTEPNY_ROZKAZ,
 *   KASDRV_KLAWISZ_NIEDEFINIOWALNY, KASDRV_BRAK_MIEJSCA_NA_PLATNOSCI, refusals. */
KASDRV_API uint8_t KASDRV_WYWOLANIE __ZDefKlaw(const char* plik);

/* Deletes the definitions of the keys listed in `plik`: "#" + register
 * number, "#", "#", then one line "$" + key code per key. Only the 37 keys
 * the register counts payments on (plain F1..F9 and every digit key) can be
 * deleted; any other code gives KASDRV_KLAWISZ_NIEDEFINIOWALNY and nothing
 * is deleted.
 * Returns KASDRV_OK, KASDRV_WEJSCIE_KONFIG, KASDRV_WEJSCIE_RAPORT, KASDRV_BRAK_WEJSCIA,
 *   KASDRV_BRAK_KONFIGURACJI, KASDRV_BRAK_RAPORTU, KASDRV_NIEKOMPLETNE_WEJSCIE,
 *   KASDRV_ZLY_FORMAT_WEJSCIA, KASDRV_ZLE_DANE_WEJSCIA, KASDRV_NIEKOMPLETNA_KONFIGURACJA,
 *   KASDRV_BRAK_SKOJARZENIA, KASDRV_ZLE_DANE_KONFIGURACJI, KASDRV_ZLY_FORMAT_KONFIGURACJI,
 *   KASDRV_ZAPIS_RAPORTU, KASDRV_NUMER_POZA_ZAKRESEM, KASDRV_TIMEOUT_NADAWANIA,
 *   KASDRV_TIMEOUT_ODBIERANIA, KASDRV_INNA_KASA, KASDRV_ZLA_ODPOWIEDZ, KASDRV_NAK,
 *   KASDRV_NIEDOSTEPNY_ROZKAZ,
 *   KASDRV_KLAWISZ_NIEDEFINIOWALNY, KASDRV_BRAK_MIEJSCA_NA_PLATNOSCI, refusals. */
KASDRV_API uint8_t KASDRV_WYWOLANIE __KDefKlaw(const char* plik);

/* Reads the goods base (511 names, code page 852) into `wyjscie`: three
 * header lines, then "$" number TAB name for every goods item with a name.
 * Returns KASDRV_OK, KASDRV_WEJSCIE_KONFIG, KASDRV_WEJSCIE_RAPORT, KASDRV_BRAK_WEJSCIA,
 *   KASDRV_BRAK_KONFIGURACJI, KASDRV_BRAK_RAPORTU, KASDRV_NIEKOMPLETNE_WEJSCIE,
 *   KASDRV_ZLY_FORMAT_WEJSCIA, KASDRV_ZLE_DANE_WEJSCIA, KASDRV_NIEKOMPLETNA_KONFIGURACJA,
 *   KASDRV_BRAK_SKOJARZENIA, KASDRV_ZLE_DANE_KONFIGURACJI, KASDRV_ZLY_FORMAT_KONFIGURACJI,
 *   KASDRV_ZAPIS_RAPORTU, KASDRV_NUMER_POZA_ZAKRESEM, KASDRV_TIMEOUT_NADAWANIA,
 *   KASDRV_TIMEOUT_ODBIERANIA, KASDRV_INNA_KASA, KASDRV_ZLA_ODPOWIEDZ, KASDRV_NAK,
 *   KASDRV_NIEDOSTEPNY_ROZKAZ,
 *   KASDRV_BRAK_WYJSCIA, KASDRV_WYJSCIE_ZASTRZEZONE, KASDRV_TE_SAME_NAZWY,
 *   KASDRV_WYJSCIE_NIEDOSTEPNE, KASDRV_ZAPIS_WYJSCIA, refusals. */
KASDRV_API uint8_t KASDRV_WYWOLANIE __TowarMax(const char* wejscie, const char* wyjscie);

/* Reads the names of payment forms 1..3 into `wyjscie`: three header lines,
 * then "$1" TAB name, "$2" TAB name, "$3" TAB name.
 * Returns KASDRV_OK, KASDRV_WEJSCIE_KONFIG, KASDRV_WEJSCIE_RAPORT, KASDRV_BRAK_WEJSCIA,
 *   KASDRV_BRAK_KONFIGURACJI, KASDRV_BRAK_RAPORTU, KASDRV_NIEKOMPLETNE_WEJSCIE,
 *   KASDRV_ZLY_FORMAT_WEJSCIA, KASDRV_ZLE_DANE_WEJSCIA, KASDRV_NIEKOMPLETNA_KONFIGURACJA,
 *   KASDRV_BRAK_SKOJARZENIA, KASDRV_ZLE_DANE_KONFIGURACJI, KASDRV_ZLY_FORMAT_KONFIGURACJI,
 *   KASDRV_ZAPIS_RAPORTU, KASDRV_NUMER_POZA_ZAKRESEM, KASDRV_TIMEOUT_NADAWANIA,
 *   KASDRV_TIMEOUT_ODBIERANIA, KASDRV_INNA_KASA, KASDRV_ZLA_ODPOWIEDZ, KASDRV_NAK,
 *   KASDRV_NIEDOSTEPNY_ROZKAZ,
 *   KASDRV_BRAK_WYJSCIA, KASDRV_WYJSCIE_ZASTRZEZONE, KASDRV_TE_SAME_NAZWY,
 *   KASDRV_WYJSCIE_NIEDOSTEPNE, KASDRV_ZAPIS_WYJSCIA, refusals. */
KASDRV_API uint8_t KASDRV_WYWOLANIE __OPlat(const char* wejscie, const char* wyjscie);

/* File helpers. A file opened here is written to a temporary file beside it
 * and put in place by _ZamknieciePliku only when every line was written, so
 * a failed save leaves the old file as it was.
 *
 * _OtwartoPlik: `uchwyt` receives the handle; `nazwa` a fixed string buffer;
 * `tryb` must be 1 (write, replacing the content). Non-zero: opened. */
KASDRV_API uint8_t KASDRV_WYWOLANIE _OtwartoPlik(int32_t* uchwyt, const char* nazwa, int32_t tryb);

/* Writes `linia` (a fixed string buffer) and CR LF. Non-zero: written. */
KASDRV_API uint8_t KASDRV_WYWOLANIE _ZapisanoDoPlikuLinie(int32_t uchwyt, const char* linia);

/* Closes the file and sets the handle to 0. Non-zero: the file is in place;
 * 0 when a line failed or the file could not be completed (the old file then
 * stays). */
KASDRV_API uint8_t KASDRV_WYWOLANIE _ZamknieciePliku(int32_t* uchwyt);

/* Extensions of this library (the register maker's library has none). A
 * program that may also run with that library looks them up at run time
 * (dlsym / GetProcAddress) and does without them when they are missing. */

/* Progress of the call in progress, in bytes on the line: `zrobione` gets
 * the bytes sent and received so far, `oczekiwane` the bytes the call is
 * expected to move in all (an estimate until the reply's length is known:
 * it may grow or shrink while the call runs, never below `zrobione`). Either
 * pointer may be NULL. Returns 1 while a call runs, else 0 with both counts 0.
 * Threading: made to be called from another thread while one of the exchange
 * functions runs; it never waits for the call and never blocks. */
KASDRV_API int KASDRV_WYWOLANIE kasdrv_postep(uint32_t* zrobione, uint32_t* oczekiwane);

/* What the last exchange call knew about its failure beyond its code, as a
 * Polish sentence in Windows-1250, e.g. for 20 "Port /dev/ttyS0 jest zajęty
 * przez inny program." Copies at most `rozmiar` - 1 bytes and a terminating
 * zero into `opis` (nothing when `opis` is NULL or `rozmiar` is 0) and
 * returns the sentence's full length; 0 when there is none. The same
 * sentence ends the call's RAPORT.TXT line. Threading: any thread; it
 * describes the last call that ended. */
KASDRV_API uint32_t KASDRV_WYWOLANIE kasdrv_opis_bledu(char* opis, uint32_t rozmiar);

/* The version of orbaklaw this library came with, e.g. "1.50": a program
 * tells this library from the register maker's one by it. */
KASDRV_API const char* KASDRV_WYWOLANIE kasdrv_orbaklaw(void);

#ifdef __cplusplus
}
#endif
