// A register action that fails because the port can't be opened names that
// cause, not only the code the library gives for it.

#include "OknoZKasa.h"

#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

using PrzyczynaNiepowodzenia = OknoZKasa;

// "Odczyt z kasy", "Zapis do kasy" and "Kasowanie" with the port held by
// another program, then with the device gone: the cause first, then the
// code's message as ever, in the questions and in the error.
TEST_F(PrzyczynaNiepowodzenia, APortThatCannotBeOpenedIsNamedAsTheCause) {
    struct Przypadek {
        const char* przycisk;
        bool zajety;
        std::vector<Odpowiedz> odpowiedzi;
        std::function<QStringList(const QString&)> teksty; // from the failure's text
    };
    const auto odczyt = [](const QString& b) { return QStringList{b}; };
    const auto zapis = [](const QString& b) { return QStringList{PytanieKopii(b), b}; };
    const auto kasowanie = [](const QString& b) { return QStringList{PytanieBezOdczytu(b), b}; };
    const std::vector<Przypadek> przypadki{
        {"bOdczyt", true, {}, odczyt},
        {"bZapis", true, {Odpowiedz::Tak}, zapis},
        {"bKasowanie", true, {Odpowiedz::Tak}, kasowanie},
        {"bOdczyt", false, {}, odczyt},
        {"bZapis", false, {Odpowiedz::Tak}, zapis},
        {"bKasowanie", false, {Odpowiedz::Tak}, kasowanie},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::string(p.przycisk) + (p.zajety ? " held" : " gone"));
        dialogi.komunikaty.clear();
        dialogi.odpowiedzi.assign(p.odpowiedzi.begin(), p.odpowiedzi.end());
        int port = -1;
        if (p.zajety) {
            port = ::open(kasa.Link().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
            ASSERT_GE(port, 0);
            ASSERT_EQ(::flock(port, LOCK_EX | LOCK_NB), 0);
        } else {
            kasa.Zatrzymaj();
        }
        Kliknij(p.przycisk);
        if (port >= 0)
            ::close(port);
        EXPECT_EQ(Stan().KodBledu, 20);
        EXPECT_EQ(dialogi.Teksty(), p.teksty(BrakPortu(p.zajety)));
        ASSERT_FALSE(dialogi.komunikaty.empty());
        EXPECT_EQ(dialogi.komunikaty.back().tytul, u"Error");
        EXPECT_TRUE(dialogi.odpowiedzi.empty());
    }
}
