#pragma once
/*
 * komport - the serial-port library of orbaklaw, used by the link test.
 *
 * One port is open at a time. Every call blocks until it ends; calls are
 * serialised inside the library and may come from any thread.
 *
 * COM n is the device named by the environment variable ORBAKLAW_COM<n>,
 * else the one assigned to it in the user's port assignment file
 * ($XDG_CONFIG_HOME/orbaklaw/porty.txt, ~/.config/orbaklaw/porty.txt without
 * XDG_CONFIG_HOME; lines "COM<n>=<device>"), else /dev/ttyS<n-1>.
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) && defined(KOMPORT_BUDOWA)
#define KOMPORT_API __declspec(dllexport)
#elif defined(_WIN32)
#define KOMPORT_API
#elif defined(__GNUC__)
#define KOMPORT_API __attribute__((visibility("default")))
#else
#define KOMPORT_API
#endif

/* Calling convention of every function below. Only 32-bit Windows has more
 * than one, and there the library and the programs that call it must agree:
 * KOMPORT_WYWOLANIE is __stdcall unless defined otherwise before this header (the
 * build's setting ORBAKLAW_KOMPORT_WYWOLANIE, e.g. -DKOMPORT_WYWOLANIE=__stdcall).
 * __stdcall is the default since the exported names are plain, as the
 * system's own libraries export their __stdcall functions. The exported names carry no decoration
 * either way. */
#ifndef KOMPORT_WYWOLANIE
#if defined(_WIN32) && !defined(_WIN64)
#define KOMPORT_WYWOLANIE __stdcall
#else
#define KOMPORT_WYWOLANIE
#endif
#endif

/* Opens COM `port` (1..9) at `szybkosc` bit/s (9600 or 19200), 8 data bits,
 * no parity, 1 stop bit. `timeoutOdbioru` is the longest silence allowed
 * while waiting for a reply, `timeoutNadawania` the longest wait for a
 * request to be sent; both in seconds, 1..1000. A port already open is
 * closed first.
 * Result: 0 open; 1 an argument out of range; 2 the device can't be opened. */
KOMPORT_API uint8_t KOMPORT_WYWOLANIE InitializePort(uint8_t port, uint16_t szybkosc,
                                                     uint16_t timeoutOdbioru,
                                                     uint16_t timeoutNadawania);

/* Closes the port; harmless when none is open. Result always 0. */
KOMPORT_API uint8_t KOMPORT_WYWOLANIE UnInitializePort(void);

/* Switches the multiplexer on the open port to channel `kanal` (1..4).
 * Result: non-zero when the multiplexer confirmed the channel; 0 when no
 * port is open, the channel is out of range or the multiplexer did not
 * confirm (no multiplexer on the line among others). */
KOMPORT_API uint8_t KOMPORT_WYWOLANIE UstawKanal(uint8_t kanal);

/* Sends command byte `rozkaz` to whatever answers on the line, with the
 * first `wysylane` bytes of `bufor` as its data, and receives the reply.
 * `ile` is the number of data bytes the reply must carry: 4 for the
 * identification 0xFE (model byte, program version, two reserved bytes),
 * 3 for the number query 0xC0 (the register number as two ASCII digits,
 * then 0; a number reply without those two digits gives 23). `odpowiedz` and `bufor` are 256-byte
 * areas; the reply data is copied to the start of `odpowiedz` and the rest of it is zeroed. Result:
 * 0 the reply is in `odpowiedz`; otherwise a code of the program's table (kasdrv_kody.h, installed
 * beside this header): KASDRV_TIMEOUT_NADAWANIA no port open or the request could not be sent in
 * time, KASDRV_TIMEOUT_ODBIERANIA no reply within the timeout, KASDRV_ZLA_ODPOWIEDZ a malformed or
 * corrupt reply or one of another length than `ile`, KASDRV_NAK, KASDRV_NIEDOSTEPNY_ROZKAZ a
 * command the register lacks, or a refusal of the register mapped from its status byte. */
KOMPORT_API uint8_t KOMPORT_WYWOLANIE RSSequence(uint8_t rozkaz, uint8_t ile, uint8_t wysylane,
                                                 uint8_t* odpowiedz, uint8_t* bufor);

/* Extension of this library (the register maker's has none): the version of
 * orbaklaw it came with, e.g. "1.50". */
KOMPORT_API const char* KOMPORT_WYWOLANIE komport_orbaklaw(void);

#ifdef __cplusplus
}
#endif
