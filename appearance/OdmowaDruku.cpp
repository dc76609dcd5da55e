#include "appearance/OdmowaDruku.h"

#include <QPrinter>

#ifdef ORBAKLAW_CUPS
#include <cups/cups.h>
#endif

namespace orbaklaw {

std::optional<QString> OdmowaDruku(const QPrinter& drukarka) {
#ifdef ORBAKLAW_CUPS
    if (drukarka.outputFormat() != QPrinter::NativeFormat || !drukarka.outputFileName().isEmpty())
        return std::nullopt;
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    const char* powod = cupsLastErrorString();
    return powod != nullptr && *powod != '\0'
               ? QString::fromUtf8(powod)
               : QString::fromLatin1(ippErrorString(cupsLastError()));
#else
    (void)drukarka;
    return std::nullopt;
#endif
}

QString NiePrzyjetoWydruku(const QPrinter& drukarka, const std::optional<QString>& powod) {
    return powod ? QStringLiteral("Drukarka %1 nie przyjęła wydruku: %2")
                       .arg(drukarka.printerName(), *powod)
                 : QStringLiteral("Drukarka %1 nie przyjęła wydruku.").arg(drukarka.printerName());
}

} // namespace orbaklaw
