// GUI tests run the real main window without a display unless told otherwise.

#include "ui/Czcionki.h"
#include "widgets/StylPodpowiedzi.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Backups of the register's definitions never go to the user's folder.
    QTemporaryDir kopie;
    if (qEnvironmentVariableIsEmpty("ORBAKLAW_KOPIE"))
        qputenv("ORBAKLAW_KOPIE", QFile::encodeName(kopie.path()));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication aplikacja(argc, argv);
    aplikacja.setStyle(new orbaklaw::StylPodpowiedzi(QStringLiteral("Fusion")));
    orbaklaw::UstawZastepstwaCzcionek();
    return RUN_ALL_TESTS();
}
