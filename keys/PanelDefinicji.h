#pragma once
// The definition panel: its controls, and the steps that show a kind, a
// stored definition or nothing in them.

#include "format/DefinicjaKlawisza.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orbaklaw {

class GrupaRadiowa;
class Towary;

class PanelDefinicji {
public:
    explicit PanelDefinicji(QWidget* okno);

    // The kind-change step (rgDefinicjaClick): shows the chosen kind's
    // controls, hides the others and gives its chooser the focus.
    void rgDefinicjaClick();
    // Choosers back to item 0 and hidden, kind "NIEZDEF.".
    void WyczyscPanel();
    // Loads a stored definition into the controls (kind-change step first
    // when the kind differs). A number outside a chooser's list leaves it
    // without a chosen item.
    void PokazDefinicje(const DefinicjaKlawisza& d);
    // Hides the kind group and "Zatwierdź": nothing can be stored.
    void UkryjZatwierdzanie();
    void PokazZatwierdzanie();

    // The goods chooser's 511 items from the goods list.
    void WypelnijTowary(const Towary& towary);

    GrupaRadiowa* rgDefinicja;
    QComboBox* cbTowary;
    QLabel* Label1;
    QCheckBox* cbPojedynczo;
    QCheckBox* cbZaplata;
    QCheckBox* cbParagon;
    QLabel* Label2;
    QComboBox* cbFunkcja;
    QLabel* Label3;
    QComboBox* cbPlatnosc;
    QLabel* Label4;
    QLineEdit* Edit10;
    QLabel* Label5;
    QLabel* Klawisz;
    QLabel* lKlawisz; // hidden: the chosen position as decimal text
    QPushButton* Button5;

private:
    void UtworzWybory(QWidget* okno);
    void UtworzEtykiety(QWidget* okno);
    void UstawTowaryIZnaczniki(const DefinicjaKlawisza& d);
    void UstawPlatnosc(const DefinicjaKlawisza& d);

    QFrame* ramka_;
};

// Sets a chooser's item from code: its change action does not run.
void UstawPozycjeBezZmiany(QComboBox* wybor, int pozycja);

} // namespace orbaklaw
