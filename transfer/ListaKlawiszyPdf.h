#pragma once
// The listing of the 64 keys drawn on one A4 page: a heading with the
// register's number, the date and where the definitions came from, then a
// table of ALT variant, key, kind, goods/function/payment, amount and flags.
// The same drawing goes to a printer or into a PDF file.

#include "transfer/ListaKlawiszy.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace orbaklaw {

struct ListaKlawiszy {
    NaglowekListyKlawiszy naglowek;
    std::vector<WierszListyKlawiszy> wiersze;
};

constexpr const char* TytulListyKlawiszy = "Lista klawiszy kasy VARKO ORBA";

// The heading's date: now, to the minute.
std::string DataListyKlawiszy();

// One page on `urzadzenie`, which is set to A4 portrait with its margins.
// False when the device can't be painted on.
bool RysujListeKlawiszy(QPagedPaintDevice& urzadzenie, const ListaKlawiszy& lista);

// The page as the bytes of a PDF file.
QByteArray ListaKlawiszyPdf(const ListaKlawiszy& lista);

// On a printer; the reason when it refused, empty when printed.
QString DrukujListeKlawiszy(QPrinter& drukarka, const ListaKlawiszy& lista);

} // namespace orbaklaw
