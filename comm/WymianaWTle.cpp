#include "comm/WymianaWTle.h"

#include "comm/PostepOperacji.h"
#include "ui/BlokadaWejscia.h"
#include "ui/Dialogi.h"
#include "ui/PostepWymiany.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <exception>
#include <memory>
#include <thread>

namespace orbaklaw {

namespace {
constexpr int OkresOdswiezania = 50; // ms between two looks at the progress
} // namespace

WymianaWTle::WymianaWTle(Dialogi& dialogi, ZrodloPostepu postep, PostepOperacji* const* operacja)
    : dialogi_(&dialogi), postep_(std::move(postep)), operacja_(operacja) {}

QString WymianaWTle::Opis(OperacjaKasy operacja) {
    switch (operacja) {
    case OperacjaKasy::OdczytDefinicji:
        return QStringLiteral("Odczyt definicji klawiszy z kasy...");
    case OperacjaKasy::ZapisDefinicji:
        return QStringLiteral("Zapis definicji klawiszy do kasy...");
    case OperacjaKasy::KasowanieDefinicji:
        return QStringLiteral("Kasowanie definicji klawiszy w kasie...");
    case OperacjaKasy::OdczytTowarow:
        return QStringLiteral("Odczyt bazy towarowej z kasy...");
    case OperacjaKasy::OdczytPlatnosci:
        return QStringLiteral("Odczyt płatności z kasy...");
    case OperacjaKasy::TestLacza:
        break;
    }
    return QStringLiteral("Test połączenia z kasą...");
}

uint64_t WymianaWTle::Odswiez(PostepWymiany& postep) const {
    if (!postep_)
        return 0;
    const auto stan = postep_();
    if (!stan)
        return 0;
    postep.Ustaw(stan->first, stan->second);
    return stan->second;
}

uint8_t WymianaWTle::operator()(OperacjaKasy operacja,
                                const std::function<uint8_t()>& wywolanie) const {
    // Input is dropped from before the box shows until the last event that
    // came in during the call has been seen.
    const BlokadaWejscia blokada;
    PostepOperacji* biezaca = operacja_ ? *operacja_ : nullptr;
    const std::unique_ptr<PostepWymiany> postep =
        biezaca ? biezaca->NastepneWywolanie() : dialogi_->Postep(Opis(operacja));

    std::atomic<bool> koniec{false};
    uint64_t oczekiwane = 0;
    uint8_t wynik = 0;
    std::exception_ptr blad;
    QEventLoop petla;
    QTimer zegar;
    zegar.setInterval(OkresOdswiezania);
    QObject::connect(&zegar, &QTimer::timeout, &petla, [&] {
        if (const uint64_t n = Odswiez(*postep))
            oczekiwane = n;
        if (koniec)
            petla.quit();
    });
    std::thread watek([&] {
        try {
            wynik = wywolanie();
        } catch (...) {
            blad = std::current_exception();
        }
        koniec = true;
        QMetaObject::invokeMethod(&petla, &QEventLoop::quit, Qt::QueuedConnection);
    });
    zegar.start();
    if (!koniec)
        petla.exec();
    watek.join();
    zegar.stop();
    // What came in during the last moments of the call is dropped too.
    QCoreApplication::processEvents();
    if (blad)
        std::rethrow_exception(blad);
    // The library may no longer tell once the exchange is over; a finished
    // exchange shows its end.
    if (const uint64_t n = Odswiez(*postep))
        oczekiwane = n;
    if (wynik == 0 && oczekiwane > 0)
        postep->Ustaw(oczekiwane, oczekiwane);
    return wynik;
}

} // namespace orbaklaw
