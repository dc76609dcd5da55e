#pragma once
// The main window: the keyboard picture with its label fields, the ALT
// variant group, the definition panel and the two button groups. It lays
// them out and hands every action to the class of its subsystem.

#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/ObslugaWyjatku.h"

#include <QImage>
#include <QMenuBar>
#include <QWidget>

#include <memory>

class QMenuBar;

namespace orbaklaw {

class DopasowanieEtykiet;
class EtykietyKlawiszy;
class FolderyDialogow;
class GrupaRadiowa;
class KursorKlepsydry;
class MenuOkna;
class OpisKlawiszy;
class PanelDefinicji;
class PrzyciskiOkna;
class PolaczenieZKasa;
class TransferDefinicji;
class WygladIWydruk;
class WidokKlawiatury;
class WyborKlawisza;
class ZatwierdzenieDefinicji;
struct StanProgramu;

class TForm3 : public QWidget {
    Q_OBJECT

public:
    static constexpr int SzerokoscKlienta = 610;
    static constexpr int WysokoscKlienta = 441;

    explicit TForm3(Dialogi& dialogi, QWidget* rodzic = nullptr);
    ~TForm3() override;

    // The form below the menu bar: every control of the layout, at its place
    // in a client area of 610 x 441.
    QWidget& Formularz() { return *formularz_; }
    // The menu bar above the form; each subsystem adds its own entries.
    MenuOkna& Menu() { return *menu_; }

    // Places the window at the centre of the desktop.
    void Wysrodkuj();

    Dialogi& DialogiOkna() { return dialogi_; }
    const Akcje& AkcjeOkna() const { return akcje_; }
    EtykietyKlawiszy& Etykiety() { return *etykiety_; }
    PanelDefinicji& Panel() { return *panel_; }
    PrzyciskiOkna& Przyciski() { return *przyciski_; }
    WyborKlawisza& Wybor() { return *wybor_; }
    OpisKlawiszy& Opis() { return *opis_; }
    TransferDefinicji& Transfer() { return *transfer_; }
    PolaczenieZKasa& Komunikacja() { return *komunikacja_; }
    // The window's menu bar.
    QMenuBar* PasekMenu();
    // The busy cursor shown during every register exchange.
    KursorKlepsydry& Klepsydra() { return *klepsydra_; }

    // Components without a place on screen.
    DialogPliku OKlawisze;
    DialogPliku zklawisze;
    DialogPliku Save;
    DialogPliku oBitmapa;
    QImage Image1; // the insert template
    QImage Image2; // the working picture of the insert

protected:
    // Definitions and label texts written nowhere are not dropped without a
    // question.
    void closeEvent(QCloseEvent* e) override;

private:
    void UtworzFormularz();
    void UtworzMenu();
    void UtworzObszary();
    void UtworzEdytor(StanProgramu& stan);
    void UtworzPodsystemy(StanProgramu& stan);
    void PodlaczWybor();
    void PodlaczPrzyciski();
    void UstawKolejnoscTab();
    void UstawPrzyciskDomyslny();
    void PrzyciskDomyslny();
    void FormCreate();

    Dialogi& dialogi_;
    // The folders of the file dialogs, remembered across runs.
    std::unique_ptr<FolderyDialogow> foldery_;
    ObslugaWyjatku obsluga_;
    Akcje akcje_;
    QMenuBar* pasek_ = nullptr;
    std::unique_ptr<MenuOkna> menu_;
    QWidget* formularz_ = nullptr;
    WidokKlawiatury* iWkladka_ = nullptr;
    std::unique_ptr<EtykietyKlawiszy> etykiety_;
    // Goes before the fields it watches.
    std::unique_ptr<DopasowanieEtykiet> dopasowanie_;
    GrupaRadiowa* rgAlty_ = nullptr;
    std::unique_ptr<PanelDefinicji> panel_;
    std::unique_ptr<PrzyciskiOkna> przyciski_;
    std::unique_ptr<WyborKlawisza> wybor_;
    std::unique_ptr<OpisKlawiszy> opis_;
    std::unique_ptr<ZatwierdzenieDefinicji> zatwierdzenie_;
    TransferDefinicji* transfer_ = nullptr;
    PolaczenieZKasa* komunikacja_ = nullptr;
    WygladIWydruk* wyglad_ = nullptr;
    KursorKlepsydry* klepsydra_ = nullptr;
};

} // namespace orbaklaw
