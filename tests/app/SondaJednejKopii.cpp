// A guarded window for the single-instance tests. Prints "pierwsza" when it
// runs as the first copy, "druga" when it found one running (and then ends),
// and "przywolano" whenever a later copy brought it forward.
#include "app/TCiaOnlyOne.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication aplikacja(argc, argv);
    QWidget okno;
    orbaklaw::TCiaOnlyOne straznik;
    straznik.Unique = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    straznik.Loaded(&okno);
    if (straznik.AlreadyRunning) {
        std::puts("druga");
        return 0;
    }
    QObject::connect(&straznik, &orbaklaw::TCiaOnlyOne::Przywolano, [&okno] {
        std::printf("przywolano %s\n", okno.isMinimized() ? "zminimalizowane" : "normalne");
        std::fflush(stdout);
    });
    if (argc > 2 && QString(argv[2]) == "--minimalizuj")
        okno.showMinimized();
    else
        okno.show();
    std::puts("pierwsza");
    std::fflush(stdout);
    return aplikacja.exec();
}
