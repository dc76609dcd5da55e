#pragma once
// "Parametry komunikacji": how the register is reached (port, speed,
// multiplexer and channel, timeout), the link test and the save to
// KONFIG.TXT. Created once at start. It opens showing what KONFIG.TXT holds
// when the file reads well and holds something else than the dialog last
// took from it or saved to it; otherwise its controls keep their values
// (the design values until then).

#include "comm/ZapisanaKonfiguracja.h"
#include "format/Konfiguracja.h"

#include <optional>
#include <string>

#include <QDialog>

class QKeyEvent;
class QShowEvent;
class QLabel;
class QPushButton;
class QSpinBox;

namespace orbaklaw {

class Akcje;
class BibliotekiKasy;
struct StanProgramu;
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
                 BibliotekiKasy& biblioteki, StanProgramu& stan);

    void KlawEscClick();
    void GrupaMuxClick();
    void KlawPolaczClick();
    void KlawZapisClick();

    // Shows which device the chosen COM port is (after the port or its
    // assignment changed).
    void PokazUrzadzenie();

    // The settings the controls show.
    UstawieniaKomunikacji Ustawienia() const;
    // The controls show `u`.
    void Pokaz(const UstawieniaKomunikacji& u);

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
    // What KONFIG.TXT holds now, shown when it changed since last seen.
    void PokazZapisana();

    Dialogi& dialogi_;
    const Akcje& akcje_;
    KursorKlepsydry& klepsydra_;
    BibliotekiKasy& biblioteki_;
    StanProgramu& stan_;
    // KONFIG.TXT as the controls last took it or saved it.
    std::optional<ZapisanaKonfiguracja> zapisana_;
    // The register number of KONFIG.TXT at this showing; a save without a
    // link test keeps it ("" without a file that reads well).
    std::string numerZPliku_;
};

} // namespace orbaklaw
