// The keyboard picture marks the keys defined in the ALT variant shown, in
// the colour of their kind, and outlines the chosen key; the marks follow
// reads, confirmations, deletions and changes of variant.

#include "OknoZKasa.h"

#include "appearance/WidokKlawiatury.h"
#include "widgets/GrupaRadiowa.h"

#include <QTest>

#include <functional>
#include <vector>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
const QColor TowarK(0, 150, 0), FunkcjaK(0, 90, 220), PlatnoscK(220, 120, 0);
} // namespace

using Znaczniki = OknoZKasa;

TEST_F(Znaczniki, DefinedKeysOfTheVariantAreMarkedByKind) {
    ZapiszWKasie(Przyklad());
    auto* widok = Kontrolka<WidokKlawiatury>("iWkladka");
    const auto kolory = [widok] {
        std::vector<QColor> k;
        for (const auto& z : widok->Znaczniki())
            k.push_back(z.kolor);
        return k;
    };
    struct Krok {
        const char* nazwa;
        std::function<void()> akcja;
        std::vector<QColor> kolory; // in position order
    };
    const std::vector<Krok> kroki{
        {"read", [this] { Kliknij("bOdczyt"); }, {TowarK, FunkcjaK}},
        {"left ALT", [this] { KliknijPozycje("rgAlty", LewyAlt); }, {FunkcjaK, PlatnoscK}},
        {"confirmation of F5 as goods",
         [this] {
             PokazPole(LewyAlt, "Edit5");
             KliknijPozycje("rgDefinicja", 1);
             Kliknij("Button5");
         },
         {FunkcjaK, TowarK, PlatnoscK}},
        {"deletion",
         [this] {
             dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
             Kliknij("bKasowanie");
         },
         {FunkcjaK, TowarK}}, // LEWY ALT+F5 is not among the keys a deletion clears
    };
    for (const auto& k : kroki) {
        SCOPED_TRACE(k.nazwa);
        k.akcja();
        EXPECT_EQ(kolory(), k.kolory);
        ASSERT_TRUE(widok->Wybrany().has_value()) << "the chosen key is outlined";
        EXPECT_TRUE(widok->Wybrany()->contains(Pole("Edit1")->geometry().topLeft()) ||
                    std::string(k.nazwa).starts_with("confirmation"));
    }
    // On the screen only: the picture itself is unchanged.
    EXPECT_FALSE(widok->Obraz().isNull());
}
