#include "comm/TOknoKomunik.h"

#include "comm/BibliotekiKasy.h"
#include "comm/ModeleKas.h"
#include "comm/OknoPortow.h"
#include "comm/TestLacza.h"
#include "comm/ZapisKonfiguracji.h"
#include "format/UrzadzeniePortu.h"
#include "platform/UrzadzeniaSzeregowe.h"
#include "state/StanProgramu.h"
#include "ui/Akcje.h"
#include "ui/Czcionki.h"
#include "ui/Dialogi.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"
#include "widgets/GrupaRadiowa.h"
#include "widgets/PokazanaKlepsydra.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace orbaklaw {

namespace {
QSpinBox* Licznik(QWidget* okno, const char* nazwa, int od, int do_, int wartosc, int znaki) {
    auto* s = new QSpinBox(okno);
    s->setObjectName(QString::fromLatin1(nazwa));
    s->setRange(od, do_);
    s->setValue(wartosc);
    if (auto* pole = s->findChild<QLineEdit*>())
        pole->setMaxLength(znaki);
    return s;
}

QLabel* Etykieta(QWidget* okno, const char* nazwa, const QString& tekst, QWidget* pole) {
    auto* l = new QLabel(tekst, okno);
    l->setObjectName(QString::fromLatin1(nazwa));
    l->setBuddy(pole);
    return l;
}

// "COM1: /dev/serial/by-id/usb-X-if00-port0 (X, /dev/ttyUSB0)", with where
// the choice comes from when it is not the user's assignment.
QString OpisPortu(int com) {
    const auto u = UrzadzenieCom(com);
    QString tekst = QStringLiteral("COM%1: ").arg(com) + SciezkaDoPokazania(u.urzadzenie);
    const std::filesystem::path sciezka(u.urzadzenie);
    if (sciezka.parent_path().filename() == "by-id") {
        std::error_code ec;
        const auto cel = std::filesystem::canonical(sciezka, ec);
        tekst += QStringLiteral(" (") +
                 QString::fromLocal8Bit(platform::OpisZNazwyPoId(sciezka.filename().string())) +
                 (ec ? QString() : QStringLiteral(", ") + SciezkaDoPokazania(cel.string())) +
                 QLatin1Char(')');
    }
    if (u.zrodlo == ZrodloUrzadzenia::Zmienna)
        tekst += QStringLiteral(" (zmienna ORBAKLAW_COM%1)").arg(com);
    else if (u.zrodlo == ZrodloUrzadzenia::Domyslne)
        tekst += DopiskDomyslnego();
    return tekst;
}

QPushButton* Przycisk(QWidget* okno, const char* nazwa, const QString& tekst) {
    auto* p = new QPushButton(tekst, okno);
    p->setObjectName(QString::fromLatin1(nazwa));
    return p;
}
} // namespace

TOknoKomunik::TOknoKomunik(QWidget* rodzic, Dialogi& dialogi, const Akcje& akcje,
                           KursorKlepsydry& klepsydra, BibliotekiKasy& biblioteki,
                           StanProgramu& stan)
    : QDialog(rodzic), dialogi_(dialogi), akcje_(akcje), klepsydra_(klepsydra),
      biblioteki_(biblioteki), stan_(stan) {
    setObjectName(QStringLiteral("OknoKomunik"));
    setWindowTitle(QStringLiteral("Parametry komunikacji"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CzcionkaOkna(9));
    setFixedSize(SzerokoscKlienta, WysokoscKlienta);
    setModal(true);
    UtworzPola();
    UtworzGrupy();
    UtworzPrzyciski();
    Podlacz(akcje);
    UstawKolejnoscTab();
    KlawPolacz->setFocus(); // the focus when the dialog first opens
}

void TOknoKomunik::UtworzPola() {
    seCOM = Licznik(this, "seCOM", 1, 9, 1, 1);
    seCOM->setGeometry(72, 28, 49, 24);
    Label1 = Etykieta(this, "Label1", QStringLiteral("COM"), seCOM);
    Label1->setGeometry(24, 32, 40, 16);
    WartoscTimeout = Licznik(this, "WartoscTimeout", 1, 1000, 5, 4);
    WartoscTimeout->setGeometry(72, 76, 65, 24);
    Label2 = Etykieta(this, "Label2", QStringLiteral("Timeout"), WartoscTimeout);
    Label2->setGeometry(16, 80, 52, 16);
    UrzadzenieCOM = new QLabel(this);
    UrzadzenieCOM->setObjectName(QStringLiteral("UrzadzenieCOM"));
    UrzadzenieCOM->setGeometry(16, 206, 574, 17);
    UrzadzenieCOM->setFocusPolicy(Qt::NoFocus);
    connect(seCOM, &QSpinBox::valueChanged, this, [this] { PokazUrzadzenie(); });
    PokazUrzadzenie();
}

void TOknoKomunik::PokazUrzadzenie() {
    UrzadzenieCOM->setText(OpisPortu(seCOM->value()));
}

void TOknoKomunik::UtworzGrupy() {
    GrupaMux =
        new GrupaRadiowa(QStringLiteral("Typ multipleksera"),
                         {QStringLiteral("bez multipleksera"), QStringLiteral("MUX 1")}, 1, this);
    GrupaMux->setObjectName(QStringLiteral("GrupaMux"));
    GrupaMux->setGeometry(160, 12, 145, 73);
    GrupaMux->UstawItemIndex(0);
    GrupaSzybkosc = new GrupaRadiowa(QStringLiteral("Szybkość transmisji"),
                                     {QStringLiteral("9600"), QStringLiteral("19200")}, 1, this);
    GrupaSzybkosc->setObjectName(QStringLiteral("GrupaSzybkosc"));
    GrupaSzybkosc->setGeometry(160, 96, 145, 73);
    GrupaSzybkosc->UstawItemIndex(0);
    GrupaKanal = new GrupaRadiowa(QStringLiteral(" Kanał "),
                                  {QStringLiteral("nr 1"), QStringLiteral("nr 2"),
                                   QStringLiteral("nr 3"), QStringLiteral("nr 4")},
                                  1, this);
    GrupaKanal->setObjectName(QStringLiteral("GrupaKanal"));
    GrupaKanal->setGeometry(320, 12, 105, 157);
    GrupaKanal->UstawItemIndex(0);
    GrupaKanal->setEnabled(false);
}

void TOknoKomunik::UtworzPrzyciski() {
    KlawPolacz = Przycisk(this, "KlawPolacz", QStringLiteral("Połącz"));
    KlawPolacz->setGeometry(456, 20, 121, 33);
    KlawZapis = Przycisk(this, "KlawZapis", QStringLiteral("Zapisz"));
    KlawZapis->setGeometry(456, 76, 121, 33);
    KlawEsc = Przycisk(this, "KlawEsc", QStringLiteral("Anuluj"));
    KlawEsc->setGeometry(456, 132, 121, 33);
    KlawZapis->setDefault(true);
}

// Enter in a field or on a radio button saves what was typed, whichever
// button Qt last made the default; on a button Enter presses that button
// (the button takes the key itself and it never comes here).
void TOknoKomunik::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const auto inne = e->modifiers() & ~Qt::KeypadModifier;
    if (!enter || inne != Qt::NoModifier) {
        QDialog::keyPressEvent(e);
        return;
    }
    e->accept();
    if (KlawZapis->isEnabled())
        KlawZapis->click();
}

// The assignment and KONFIG.TXT may have changed since the dialog last
// showed (orbaklaw-cli or another program may have written the file).
void TOknoKomunik::showEvent(QShowEvent* e) {
    PokazZapisana();
    PokazUrzadzenie();
    QDialog::showEvent(e);
}

void TOknoKomunik::PokazZapisana() {
    const auto zapisana = CzytajZapisanaKonfiguracje();
    numerZPliku_ = zapisana ? zapisana->numerKasy : std::string();
    if (!zapisana || zapisana == zapisana_)
        return;
    Pokaz(zapisana->ustawienia);
    zapisana_ = zapisana;
}

void TOknoKomunik::Pokaz(const UstawieniaKomunikacji& u) {
    seCOM->setValue(u.port);
    GrupaSzybkosc->UstawItemIndex(u.szybkosc == 19200 ? 1 : 0);
    GrupaMux->UstawItemIndex(u.multiplekser);
    GrupaKanal->UstawItemIndex(u.kanal - 1);
    GrupaMuxClick();
    WartoscTimeout->setValue(u.timeout);
}

void TOknoKomunik::Podlacz(const Akcje& akcje) {
    akcje.Podlacz(KlawEsc, &QPushButton::clicked, this, [this] { KlawEscClick(); });
    akcje.Podlacz(KlawZapis, &QPushButton::clicked, this, [this] { KlawZapisClick(); });
    akcje.Podlacz(KlawPolacz, &QPushButton::clicked, this, [this] { KlawPolaczClick(); });
    akcje.Podlacz(GrupaMux, &GrupaRadiowa::klikniecie, this, [this] { GrupaMuxClick(); });
}

void TOknoKomunik::UstawKolejnoscTab() {
    std::vector<QWidget*> kolejnosc{WartoscTimeout};
    for (GrupaRadiowa* g : {GrupaMux, GrupaSzybkosc, GrupaKanal})
        for (int i = 0; i < g->Liczba(); ++i)
            kolejnosc.push_back(g->Przycisk(i));
    for (QWidget* w : std::initializer_list<QWidget*>{KlawEsc, KlawZapis, KlawPolacz, seCOM})
        kolejnosc.push_back(w);
    for (size_t i = 1; i < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
}

void TOknoKomunik::KlawEscClick() {
    reject();
}

// The channel matters only with a multiplexer; its choice is kept either way.
void TOknoKomunik::GrupaMuxClick() {
    GrupaKanal->setEnabled(GrupaMux->ItemIndex() == 1);
}

void TOknoKomunik::KlawPolaczClick() {
    const auto wynik = [this] {
        PokazanaKlepsydra klepsydra(klepsydra_);
        return TestLacza(biblioteki_.KomPort(), dialogi_, stan_).Wykonaj(Ustawienia());
    }();
    if (!wynik) {
        akcje_.Zglos(Z1250(wynik.Blad().opis));
        return;
    }
    if (wynik->empty()) {
        KlawZapis->setEnabled(false); // the messages have been shown
        return;
    }
    if (stan_.TypKasy != KodOrba) {
        dialogi_.Blad(Z1250(InnaKasaNizOrba()));
        return;
    }
    KlawZapis->setEnabled(true);
    dialogi_.Komunikat(QStringLiteral("Połączenie poprawne - kasa :VARKO ORBA"));
    KlawZapisClick();
}

void TOknoKomunik::KlawZapisClick() {
    const auto zapisane =
        ZapisKonfiguracji(biblioteki_.Kasdrv(), dialogi_, stan_).Zapisz(Ustawienia(), numerZPliku_);
    if (!zapisane) {
        akcje_.Zglos(Z1250(zapisane.Blad().opis));
        return;
    }
    if (!*zapisane)
        return;
    zapisana_ = CzytajZapisanaKonfiguracje();
    accept();
}

UstawieniaKomunikacji TOknoKomunik::Ustawienia() const {
    UstawieniaKomunikacji u;
    u.port = seCOM->value();
    u.multiplekser = GrupaMux->ItemIndex();
    u.kanal = GrupaKanal->ItemIndex() + 1;
    u.szybkosc = GrupaSzybkosc->ItemIndex() == 1 ? 19200 : 9600;
    u.timeout = WartoscTimeout->value();
    return u;
}

} // namespace orbaklaw
