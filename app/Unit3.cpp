#include "app/Unit3.h"

#include "app/OProgramie.h"
#include "appearance/DopasowanieEtykiet.h"
#include "appearance/EtykietyKlawiszy.h"
#include "appearance/MenuWydruku.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/PoleNaKlawiszu.h"
#include "appearance/WidokKlawiatury.h"
#include "appearance/WygladIWydruk.h"
#include "comm/PolaczenieZKasa.h"
#include "format/ListyWyboru.h"
#include "generated/WersjaProgramu.h"
#include "keys/FiltrKwoty.h"
#include "keys/FiltrWyboru.h"
#include "keys/OpisKlawiszy.h"
#include "keys/OstrzezeniaWersji.h"
#include "keys/PanelDefinicji.h"
#include "keys/WyborKlawisza.h"
#include "keys/WyszukiwanieTowaru.h"
#include "keys/ZatwierdzenieDefinicji.h"
#include "state/Stan.h"
#include "transfer/MenuListyKlawiszy.h"
#include "transfer/TransferDefinicji.h"
#include "ui/Czcionki.h"
#include "ui/FolderyDialogow.h"
#include "ui/MenuOkna.h"
#include "ui/Tekst1250.h"
#include "widgets/GrupaRadiowa.h"
#include "widgets/KursorKlepsydry.h"
#include "widgets/PrzyciskiOkna.h"
#include "widgets/StylPodpowiedzi.h"
#include "widgets/WyroznienieDomyslnego.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace orbaklaw {

namespace {
// Group titles sit on the frame line, a little in from its left end, as on
// the forms this program's users know.
void UstawWygladGrupy(QGroupBox& grupa) {
    grupa.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0px 2px; }"));
}

// The kinds of file whose folders are remembered across runs: definition
// files, and inserts with their label files.
constexpr char RodzajDefinicji[] = "definicje";
constexpr char RodzajWkladki[] = "wkladki";

DialogPliku PlikiDefinicji() {
    return {QStringLiteral("Pliki tekstowe|*.txt|Wszystkie pliki|*.*"),
            QStringLiteral("txt"),
            {},
            false,
            {},
            QString::fromLatin1(RodzajDefinicji)};
}
} // namespace

TForm3::TForm3(Dialogi& dialogi, QWidget* rodzic)
    : QWidget(rodzic), dialogi_(dialogi),
      foldery_(std::make_unique<FolderyDialogow>(FolderyDialogow::PlikUzytkownika())),
      obsluga_(dialogi, *this), akcje_(obsluga_) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Definiowanie klawiszy w kasie VARKO ORBA (ver.%1)")
                       .arg(QLatin1String(WersjaProgramu)));
    setFont(CzcionkaOkna(9));
    UtworzFormularz();
    OKlawisze = PlikiDefinicji();
    OKlawisze.wieluPlikow = true;
    zklawisze = PlikiDefinicji();
    Save = {QStringLiteral("Bitmaps (*.bmp)|*.bmp"), {}, {}, false, {},
            QString::fromLatin1(RodzajWkladki)};
    oBitmapa = {QStringLiteral("Definicje tekstów na klawiszach (*.bm0)|*.bm0"),
                QStringLiteral("bm0"),
                {},
                false,
                {},
                QString::fromLatin1(RodzajWkladki)};
    dialogi_.PamietajFoldery(foldery_.get());
    UtworzObszary();
    UtworzEdytor(Stan());
    UtworzPodsystemy(Stan());
    PodlaczWybor();
    PodlaczPrzyciski();
    UstawKolejnoscTab();
    UstawPrzyciskDomyslny();
    UtworzMenu();
    StylPodpowiedzi::UstawCzasPodpowiedzi(*this);
    for (auto* grupa : findChildren<QGroupBox*>())
        UstawWygladGrupy(*grupa);
    FormCreate();
}

TForm3::~TForm3() {
    dialogi_.PamietajFoldery(nullptr);
}

QMenuBar* TForm3::PasekMenu() {
    return pasek_;
}

// The window grows by the menu bar only: the form keeps its client area.
void TForm3::UtworzFormularz() {
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
    pasek_ = new QMenuBar(this);
    pasek_->setObjectName(QStringLiteral("PasekMenu"));
    uklad->setMenuBar(pasek_);
    formularz_ = new QWidget(this);
    formularz_->setObjectName(QStringLiteral("Formularz"));
    formularz_->setFixedSize(SzerokoscKlienta, WysokoscKlienta);
    uklad->addWidget(formularz_);
    menu_ = std::make_unique<MenuOkna>(*pasek_, akcje_);
}

// The entries of the subsystems whose actions have no button on the form.
void TForm3::UtworzMenu() {
    komunikacja_->DodajDoMenu(*menu_);
    transfer_->DodajDoMenu(*menu_);
    (new MenuListyKlawiszy(*menu_, {&dialogi_, &akcje_, &Stan(), panel_->cbPlatnosc}))
        ->setParent(this);
    (new MenuWydruku(*menu_, {this, &dialogi_, &akcje_}))->setParent(this);
    DodajOProgramie(*menu_, dialogi_);
}

void TForm3::UtworzObszary() {
    QWidget* const f = formularz_;
    iWkladka_ = new WidokKlawiatury(f);
    iWkladka_->setGeometry(0, 0, 358, 406);
    iWkladka_->UstawObraz(WczytajObrazKlawiatury());
    etykiety_ = std::make_unique<EtykietyKlawiszy>(f);
    dopasowanie_ = std::make_unique<DopasowanieEtykiet>(*etykiety_, *iWkladka_, nullptr);
    QStringList warianty;
    for (const char* nazwa : NazwyWariantow())
        warianty << Z1250(nazwa);
    rgAlty_ = new GrupaRadiowa(QString(), warianty, 4, f);
    rgAlty_->setObjectName(QStringLiteral("rgAlty"));
    rgAlty_->setFont(CzcionkaArial(8));
    rgAlty_->setGeometry(0, 408, 361, 33);
    rgAlty_->UstawItemIndex(Bezp);
    panel_ = std::make_unique<PanelDefinicji>(f);
    panel_->WypelnijTowary(Stan().towary);
    przyciski_ = std::make_unique<PrzyciskiOkna>(f);
}

// The key editor: choosing a key, naming the keys, confirming a definition.
void TForm3::UtworzEdytor(StanProgramu& stan) {
    wybor_ = std::make_unique<WyborKlawisza>(*etykiety_, *rgAlty_, *panel_, *iWkladka_, stan);
    opis_ = std::make_unique<OpisKlawiszy>(*etykiety_, *rgAlty_, *panel_, stan);
    zatwierdzenie_ = std::make_unique<ZatwierdzenieDefinicji>(*panel_, *rgAlty_, *wybor_, *opis_,
                                                              dialogi_, stan);
    auto* ostrzezenia =
        new OstrzezeniaWersji(*panel_->cbPlatnosc, *panel_->cbFunkcja, dialogi_, akcje_, stan);
    ostrzezenia->setParent(this);
    auto* filtrKwoty = new FiltrKwoty(*panel_->Edit10, akcje_);
    filtrKwoty->setParent(this);
    auto* filtrWyboru = new FiltrWyboru(this);
    for (QComboBox* wybor : {panel_->cbFunkcja, panel_->cbPlatnosc})
        filtrWyboru->Obsluguj(wybor);
    new WyszukiwanieTowaru(*panel_->cbTowary, this);
}

// The classes behind the buttons, each given the window parts it uses.
void TForm3::UtworzPodsystemy(StanProgramu& stan) {
    klepsydra_ = new KursorKlepsydry(this);
    komunikacja_ = new PolaczenieZKasa(
        {.okno = this, .dialogi = &dialogi_, .akcje = &akcje_, .klepsydra = klepsydra_}, stan);
    transfer_ =
        new TransferDefinicji({.stan = &stan,
                               .okno = this,
                               .dialogi = &dialogi_,
                               .akcje = &akcje_,
                               .klepsydra = klepsydra_,
                               .panel = panel_.get(),
                               .wybor = wybor_.get(),
                               .opis = opis_.get(),
                               .alty = rgAlty_,
                               .odczytPliku = &OKlawisze,
                               .zapisPliku = &zklawisze,
                               .biblioteki = &komunikacja_->Biblioteki(),
                               .pokazOknoKomunik = [this] { komunikacja_->PokazOknoKomunik(); }});
    wyglad_ = new WygladIWydruk({.dialogi = &dialogi_,
                                 .akcje = &akcje_,
                                 .etykiety = etykiety_.get(),
                                 .klawiatura = iWkladka_,
                                 .szablon = &Image1,
                                 .obraz = &Image2,
                                 .zapis = &Save,
                                 .odczyt = &oBitmapa,
                                 .stan = &stan});
    for (QObject* o : std::initializer_list<QObject*>{transfer_, komunikacja_, wyglad_})
        o->setParent(this);
}

void TForm3::PodlaczWybor() {
    akcje_.Podlacz(rgAlty_, &GrupaRadiowa::klikniecie, this, [this] { wybor_->rgAltyClick(); });
    akcje_.Podlacz(panel_->rgDefinicja, &GrupaRadiowa::klikniecie, this,
                   [this] { panel_->rgDefinicjaClick(); });
    QObject::connect(iWkladka_, &WidokKlawiatury::nacisniecie, this, [this](QPoint punkt) {
        akcje_.Wykonaj([this, punkt] { wybor_->iWkladkaMouseDown(punkt); });
    });
    for (int i = 0; i < LiczbaPolEtykiet; ++i) {
        PoleNaKlawiszu* pole = etykiety_->Pole(i);
        const int nr = pole->NrKlawisza();
        akcje_.Podlacz(pole, &PoleNaKlawiszu::wejscie, this,
                       [this, nr] { wybor_->PoleWejscie(nr); });
    }
    akcje_.Podlacz(panel_->Button5, &QPushButton::clicked, this,
                   [this] { zatwierdzenie_->Button5Click(); });
}

void TForm3::PodlaczPrzyciski() {
    auto& p = *przyciski_;
    akcje_.Podlacz(p.bOdczyt, &QPushButton::clicked, this,
                   [this, b = p.bOdczyt] { transfer_->bOdczytClick(b); });
    akcje_.Podlacz(p.bOdczytPlik, &QPushButton::clicked, this,
                   [this, b = p.bOdczytPlik] { transfer_->bOdczytClick(b); });
    akcje_.Podlacz(p.bZapis, &QPushButton::clicked, this,
                   [this, b = p.bZapis] { transfer_->bZapisClick(b); });
    akcje_.Podlacz(p.bZapisPlik, &QPushButton::clicked, this,
                   [this, b = p.bZapisPlik] { transfer_->bZapisClick(b); });
    akcje_.Podlacz(p.bKasowanie, &QPushButton::clicked, this,
                   [this] { transfer_->bKasowanieClick(); });
    akcje_.Podlacz(p.Button4, &QPushButton::clicked, this,
                   [this] { komunikacja_->Button4Click(); });
    akcje_.Podlacz(p.Button2, &QPushButton::clicked, this, [this] { etykiety_->Button2Click(); });
    akcje_.Podlacz(p.Button1, &QPushButton::clicked, this,
                   [this] { etykiety_->Button1Click(dialogi_, [this] { wybor_->WybierzF1(); }); });
    akcje_.Podlacz(p.bbDrukuj, &QPushButton::clicked, this, [this] { wyglad_->bbDrukujClick(); });
    akcje_.Podlacz(p.BitBtnOdczyt, &QPushButton::clicked, this,
                   [this] { wyglad_->BitBtnOdczytClick(); });
    akcje_.Podlacz(p.BitBtn1, &QPushButton::clicked, this, [this] { wyglad_->BitBtn1Click(); });
    akcje_.Podlacz(p.bCzcionka, &QPushButton::clicked, this, [this] { wyglad_->bCzcionkaClick(); });
}

void TForm3::UstawKolejnoscTab() {
    std::vector<QWidget*> kolejnosc = etykiety_->KolejnoscTab();
    const auto& p = *panel_;
    for (int i = 0; i < p.rgDefinicja->Liczba(); ++i)
        kolejnosc.push_back(p.rgDefinicja->Przycisk(i));
    for (QWidget* w :
         std::initializer_list<QWidget*>{p.cbPojedynczo, p.cbZaplata, p.cbParagon, p.cbFunkcja,
                                         p.cbPlatnosc, p.Button5, p.Edit10, p.cbTowary})
        kolejnosc.push_back(w);
    for (int i = 0; i < rgAlty_->Liczba(); ++i)
        kolejnosc.push_back(rgAlty_->Przycisk(i));
    const auto& b = *przyciski_;
    for (QWidget* w : std::initializer_list<QWidget*>{
             b.bOdczyt, b.bZapis, b.Button4, b.bKasowanie, b.bOdczytPlik, b.bZapisPlik, b.Button2,
             b.bbDrukuj, b.BitBtnOdczyt, b.BitBtn1, b.bCzcionka, b.Button1})
        kolejnosc.push_back(w);
    for (size_t i = 1; i < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
}

// "Zatwierdź" is the window's default button: Enter acts on it from any
// control but a push button, which Enter presses itself.
void TForm3::UstawPrzyciskDomyslny() {
    new WyroznienieDomyslnego(*this, *panel_->Button5);
    for (auto klawisz : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* skrot = new QShortcut(QKeySequence(klawisz), this);
        skrot->setContext(Qt::WindowShortcut);
        connect(skrot, &QShortcut::activated, this, [this] { PrzyciskDomyslny(); });
    }
}

void TForm3::PrzyciskDomyslny() {
    if (auto* przycisk = qobject_cast<QPushButton*>(focusWidget())) {
        przycisk->click();
        return;
    }
    if (!panel_->Button5->isHidden() && panel_->Button5->isEnabled())
        panel_->Button5->click();
}

void TForm3::FormCreate() {
    zklawisze.folder = QDir::currentPath();
    OKlawisze.folder = QDir::currentPath();
    UstawPozycjeBezZmiany(panel_->cbPlatnosc, 0);
    UstawPozycjeBezZmiany(panel_->cbFunkcja, 0);
    Save.folder = QDir::currentPath();
    // A folder chosen in an earlier run, when it is still there.
    for (DialogPliku* d : {&zklawisze, &OKlawisze, &Save, &oBitmapa})
        if (const auto folder = foldery_->Folder(d->rodzaj))
            d->folder = *folder;
    akcje_.Wykonaj([this] { wybor_->WybierzF1(); });
}

void TForm3::closeEvent(QCloseEvent* e) {
    bool zamknij = true;
    akcje_.Wykonaj(
        [this, &zamknij] { zamknij = transfer_->MoznaZamknac() && wyglad_->MoznaZamknac(); });
    if (zamknij)
        e->accept();
    else
        e->ignore();
}

void TForm3::Wysrodkuj() {
    const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (ekran == nullptr)
        return;
    QRect ramka = frameGeometry();
    ramka.moveCenter(ekran->availableGeometry().center());
    move(ramka.topLeft());
}

} // namespace orbaklaw
