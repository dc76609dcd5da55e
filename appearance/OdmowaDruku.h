#pragma once
// Whether the system's print service took the job just sent to a printer.
// Qt hands a finished print job to the service without telling whether it
// was taken (a queue that refuses jobs still looks like a good print), so
// the program asks the service's client library, which remembers the
// answer to the last request of this thread.

#include <QString>

#include <optional>

class QPrinter;

namespace orbaklaw {

// The service's reason when it refused the job that was just sent to
// `drukarka`. None when it took the job, and when the job did not go
// through the service (a PDF file, a system without CUPS).
std::optional<QString> OdmowaDruku(const QPrinter& drukarka);

// What the user is told of a job `drukarka` did not take: with the service's
// reason when there is one.
QString NiePrzyjetoWydruku(const QPrinter& drukarka, const std::optional<QString>& powod);

} // namespace orbaklaw
