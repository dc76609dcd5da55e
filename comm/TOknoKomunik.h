#pragma once
// "Parametry komunikacji": how the register is reached (port, speed,
// multiplexer and channel, timeout), the link test and the save to
// KONFIG.TXT. Created once at start; its controls keep their values for the
// rest of the run.

#include "format/Konfiguracja.h"

#include <QDialog>

class QKeyEvent;
class QShowEvent;
class QLabel;
class QPushButton;
class QSpinBox;

namespace orbaklaw {

class Akcje;
class BibliotekiKasy;
class Dialogi;
class GrupaRadiowa;
class KursorKlepsydry;

class TOknoKomunik : public QDialog {
    Q_OBJECT

public:
    static constexpr int SzerokoscKlienta = 606;
    // The controls of the form fill 202 pixels; below them the device of
    // the chosen port.
    static constexpr int WysokoscKlienta = 232;

    TOknoKomunik(QWidget* rodzic, Dialogi& dialogi, const Akcje& akcje, KursorKlepsydry& klepsydra,
                 BibliotekiKasy& biblioteki);

    void KlawEscClick();
    void GrupaMuxClick();
    void KlawPolaczClick();
    void KlawZapisClick();

    // Shows which device the chosen COM port is (after the port or its
    // assignment changed).
    void PokazUrzadzenie();

    // The settings the controls show.
    UstawieniaKomunikacji Ustawienia() const;

    QLabel* Label1;
    QSpinBox* seCOM;
    QLabel* Label2;
    QSpinBox* WartoscTimeout;
    GrupaRadiowa* GrupaMux;
    GrupaRadiowa* GrupaKanal;
    GrupaRadiowa* GrupaSzybkosc;
    QPushButton* KlawEsc;
    QPushButton* KlawZapis;
    QPushButton* KlawPolacz;
    QLabel* UrzadzenieCOM; // the device the chosen port stands for

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void UtworzPola();
    void UtworzGrupy();
    void UtworzPrzyciski();
    void Podlacz(const Akcje& akcje);
    void UstawKolejnoscTab();

    Dialogi& dialogi_;
    KursorKlepsydry& klepsydra_;
    BibliotekiKasy& biblioteki_;
};

} // namespace orbaklaw
