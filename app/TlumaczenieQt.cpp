#include "app/TlumaczenieQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/Srodowisko.h"

#include <clocale>

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

void UstawPolskiRegionQt() {
    // LC_ALL would hide the two below; its character set stays the user's.
    if (const auto wszystko = platform::Zmienna("LC_ALL"); wszystko && !wszystko->empty()) {
        (void)platform::UstawZmienna("LC_CTYPE", *wszystko);
        (void)platform::UsunZmienna("LC_ALL");
    }
    // Qt takes the language from LC_MESSAGES, numbers and dates from the others.
    for (const char* kategoria : {"LC_MESSAGES", "LC_NUMERIC", "LC_TIME"})
        (void)platform::UstawZmienna(kategoria, "pl_PL.UTF-8");
}

void PrzywrocRegionC() {
    for (int kategoria : {LC_NUMERIC, LC_TIME})
        std::setlocale(kategoria, "C");
#ifdef LC_MESSAGES // POSIX's; Windows' C library has no messages category
    std::setlocale(LC_MESSAGES, "C");
#endif
}

} // namespace orbaklaw
