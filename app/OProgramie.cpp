#include "app/OProgramie.h"

#include "comm/FolderyProgramu.h"
#include "generated/WersjaProgramu.h"
#include "ui/Dialogi.h"
#include "ui/MenuOkna.h"
#include "ui/SciezkaSystemu.h"

namespace orbaklaw {

namespace {

QString OpisJednej(const OpisBiblioteki& b) {
    QString tekst = QString::fromLatin1(b.nazwa) + QStringLiteral(": ") + SciezkaQt(b.sciezka) +
                    QLatin1Char('\n');
    switch (b.rodzaj) {
    case OpisBiblioteki::Rodzaj::Nasza:
        return tekst + QStringLiteral("    biblioteka programu orbaklaw %1 (łączy się z emulatorem "
                                      "kasy orba-emu)")
                           .arg(QString::fromStdString(b.wersja));
    case OpisBiblioteki::Rodzaj::Obca:
        return tekst + QStringLiteral("    biblioteka producenta kasy");
    case OpisBiblioteki::Rodzaj::Brak:
        break;
    }
    // The system's reason is in its own language and encoding: shown as
    // UTF-8 where it is, else as Latin-1 rather than not at all.
    const QString powod = QString::fromUtf8(b.powod);
    return tekst + QStringLiteral("    nie można jej wczytać") +
           (powod.isEmpty() ? QString() : QStringLiteral(": ") + powod.trimmed());
}

} // namespace

QString TekstOProgramie(const OpisBiblioteki& kasdrv, const OpisBiblioteki& komport) {
    return QStringLiteral("orbaklaw %1\nDefiniowanie klawiszy w kasie VARKO ORBA\n\n"
                          "Biblioteki kasy:\n%2\n%3")
        .arg(QString::fromLatin1(WersjaProgramu), OpisJednej(kasdrv), OpisJednej(komport));
}

void DodajOProgramie(MenuOkna& menu, Dialogi& dialogi) {
    menu.Dodaj(QStringLiteral("Po&moc"), QStringLiteral("&O programie..."),
               QStringLiteral("aOProgramie"), [&dialogi] {
                   const auto folder = FolderProgramu();
                   dialogi.Pokaz({TekstOProgramie(OpiszBibliotekeKasdrv(folder),
                                                  OpiszBibliotekeKomPort(folder)),
                                  QStringLiteral("O programie"), Ikona::Informacja});
               });
}

} // namespace orbaklaw
