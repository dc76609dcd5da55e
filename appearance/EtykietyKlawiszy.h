#pragma once
// The 38 label fields and the two buttons that act on them directly:
// "Edycja" shows them all, "Układ domyślny" empties and hides them.

#include "appearance/PolaEtykiet.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

class QWidget;

namespace orbaklaw {

class Dialogi;
class PoleNaKlawiszu;

class EtykietyKlawiszy {
public:
    explicit EtykietyKlawiszy(QWidget* okno);

    // In the order of PolaEtykiet.
    PoleNaKlawiszu* Pole(int indeks) const { return pola_.at(static_cast<size_t>(indeks)); }
    PoleNaKlawiszu* Pierwsza(int nrKlawisza) const;
    PoleNaKlawiszu* Druga(int nrKlawisza) const;
    // By control name, whatever its case ("edit1A" finds Edit1a); nullptr if none.
    PoleNaKlawiszu* PoNazwie(const QString& nazwa) const;

    // Tab order: each key's first line, then its second; F1..F9, then the
    // digits row by row from the top (7 8 9 4 5 6 1 2 3 0).
    std::vector<QWidget*> KolejnoscTab() const;

    // Whether the fields hold texts the user typed or emptied since they were
    // last saved or read, and not all of them are empty.
    bool Zmienione() const;
    // The texts as they are now have just been saved or read.
    void Zapamietaj();

    void Button2Click();
    // Asks first (saying so when typed texts would be lost); on Yes empties and hides every field.
    // Then, on either answer, chooses F1 through `wybierzF1`.
    void Button1Click(Dialogi& dialogi, const std::function<void()>& wybierzF1);

private:
    // The order in which Edycja and Układ domyślny walk the fields.
    std::vector<PoleNaKlawiszu*> KolejnoscEdycji() const;

    std::array<PoleNaKlawiszu*, LiczbaPolEtykiet> pola_{};
};

} // namespace orbaklaw
