// Fuzz entry point: animated cursor files, frames decoded through Qt.
#include "widgets/KursorAnimowany.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <qglobal.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char nazwa[] = "ani_reader";
    static char* argv[] = {nazwa, nullptr};
    static QGuiApplication* aplikacja = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)aplikacja;
    const auto kursor = orbaklaw::DekodujKursorAni(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (kursor) {
        for (const auto& krok : kursor->kroki) {
            if (krok.klatka >= kursor->klatki.size() || krok.jiffies == 0)
                std::abort();
        }
    }
    return 0;
}
