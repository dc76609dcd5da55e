#include "app/TlumaczenieQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orbaklaw {

bool WczytajTlumaczenieQt(QTranslator& tlumacz) {
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    for (const QString& katalog :
         {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (tlumacz.load(polski, QStringLiteral("qtbase"), QStringLiteral("_"), katalog))
            return true;
    }
    return false;
}

} // namespace orbaklaw
