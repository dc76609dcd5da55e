#pragma once
/*
 * kasdrv_kody - the result codes of the orbaklaw register libraries.
 *
 * One byte ends every exchange with the register: 0 for success, otherwise
 * a code of the program's message table. The same codes are returned by
 * libkasdrv (kasdrv.h) and by libkomport's RSSequence (komport.h), stored by
 * the program and the command-line tool, and produced by the emulator for
 * the register's verdicts. Usable from C and C++.
 *
 * Codes 101..115 and 200..211 are refusals reported by the register itself
 * (its status byte, mapped by the program's KodZeStatusu); a status byte
 * without a code gives KASDRV_NIEZNANA_ODMOWA.
 */

enum kasdrv_kod {
    KASDRV_OK = 0,

    /* The exchange files. */
    KASDRV_WEJSCIE_KONFIG = 1,             /* the input file is KONFIG.TXT */
    KASDRV_WEJSCIE_RAPORT = 2,             /* the input file is RAPORT.TXT */
    KASDRV_BRAK_WYJSCIA = 3,               /* no output file name */
    KASDRV_WYJSCIE_ZASTRZEZONE = 4,        /* the output file is KONFIG.TXT or RAPORT.TXT */
    KASDRV_TE_SAME_NAZWY = 5,              /* the same name for input and output */
    KASDRV_BRAK_WEJSCIA = 6,               /* the input file can't be opened, or is not a
                                              regular file (a folder, a device, a FIFO) */
    KASDRV_BRAK_KONFIGURACJI = 7,          /* KONFIG.TXT can't be opened (whatever its case) */
    KASDRV_WYJSCIE_NIEDOSTEPNE = 8,        /* the output file can't be created */
    KASDRV_BRAK_RAPORTU = 9,               /* RAPORT.TXT can't be opened or is no regular file */
    KASDRV_NIEKOMPLETNE_WEJSCIE = 10,      /* the input file is incomplete */
    KASDRV_ZLY_FORMAT_WEJSCIA = 11,        /* the input file is malformed */
    KASDRV_ZLE_DANE_WEJSCIA = 12,          /* the input file holds wrong data, is larger (1 MB)
                                              or longer (4096 lines) than any valid input file,
                                              or its request would be too long for one frame
                                              (nothing is read further and nothing is sent) */
    KASDRV_NIEKOMPLETNA_KONFIGURACJA = 13, /* a line of KONFIG.TXT is incomplete */
    KASDRV_BRAK_SKOJARZENIA = 14,          /* KONFIG.TXT has no line for the register number */
    KASDRV_ZLE_DANE_KONFIGURACJI = 15,     /* a line of KONFIG.TXT holds wrong data */
    KASDRV_ZLY_FORMAT_KONFIGURACJI = 16,   /* a line of KONFIG.TXT is malformed */
    KASDRV_ZAPIS_WYJSCIA = 17,             /* the output file can't be written */
    KASDRV_ZAPIS_RAPORTU = 18,             /* RAPORT.TXT can't be written */
    KASDRV_NUMER_POZA_ZAKRESEM = 19,       /* a register number outside 1..99 in the input file */

    /* The line and the register. */
    KASDRV_TIMEOUT_NADAWANIA = 20,  /* the request could not be sent within the timeout, or
                                       the port can't be opened or is in use elsewhere */
    KASDRV_TIMEOUT_ODBIERANIA = 21, /* no reply (or not the whole reply) within the timeout,
                                       or a reply still unfinished at the call's deadline */
    KASDRV_INNA_KASA = 22,          /* a register with another number is on the line, or the
                                       configured multiplexer is not there */
    KASDRV_ZLA_ODPOWIEDZ = 23,      /* a malformed or corrupt reply */
    KASDRV_NAK = 24,                /* the register answered NAK */
    KASDRV_NIEDOSTEPNY_ROZKAZ = 25, /* the register's program version lacks the command */

    /* The register's verdicts on a set of key definitions. */
    KASDRV_KLAWISZ_NIEDEFINIOWALNY = 228,   /* a code that is not one of the register's keys */
    KASDRV_BRAK_MIEJSCA_NA_PLATNOSCI = 229, /* more than eight payments among the 37 counted keys */

    KASDRV_NIEZNANA_ODMOWA = 255 /* a register status byte without a code of its own */
};
