#include "keys/PanelDefinicji.h"

#include "format/ListyWyboru.h"
#include "format/Towary.h"
#include "keys/Kwota.h"
#include "ui/Czcionki.h"
#include "ui/Tekst1250.h"
#include "widgets/GrupaRadiowa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace orbaklaw {

namespace {
template <typename W> W* Nazwany(W* w, const char* nazwa, int x, int y, int szer, int wys) {
    w->setObjectName(QString::fromLatin1(nazwa));
    w->setGeometry(x, y, szer, wys);
    return w;
}

QLabel* Etykieta(QWidget* okno, const char* nazwa, const QString& tekst, int x, int y) {
    auto* l = new QLabel(tekst, okno);
    l->setObjectName(QString::fromLatin1(nazwa));
    l->move(x, y);
    l->adjustSize();
    // A caption beside a control never takes the clicks meant for it.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

template <size_t N> QStringList Pozycje(const std::array<const char*, N>& teksty) {
    QStringList lista;
    for (const char* t : teksty)
        lista << Z1250(t);
    return lista;
}

// The right edge of the panel's inside.
constexpr int PrawaKrawedzPanelu = 606;

// A check box whose text the stand-in font makes longer than the form's
// width grows to the right, up to the panel's edge, instead of cutting it.
void PoszerzDoTekstu(QCheckBox* c) {
    const int szerokosc =
        std::min(std::max(c->width(), c->sizeHint().width()), PrawaKrawedzPanelu - c->x());
    c->resize(szerokosc, c->height());
}

void Pokaz(QWidget* w, bool widoczny) {
    w->setVisible(widoczny);
}
} // namespace

void UstawPozycjeBezZmiany(QComboBox* wybor, int pozycja) {
    const QSignalBlocker blokada(wybor);
    wybor->setCurrentIndex(pozycja >= 0 && pozycja < wybor->count() ? pozycja : -1);
}

PanelDefinicji::PanelDefinicji(QWidget* okno) {
    ramka_ = new QFrame(okno);
    ramka_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ramka_->setGeometry(361, 7, 249, 186);
    rgDefinicja = Nazwany(
        new GrupaRadiowa(QStringLiteral("Definicja klawisza"), Pozycje(NazwyRodzajow()), 2, okno),
        "rgDefinicja", 371, 8, 231, 57);
    UtworzWybory(okno);
    UtworzEtykiety(okno);
    rgDefinicja->UstawItemIndex(0);
    rgDefinicjaClick();
}

void PanelDefinicji::UtworzWybory(QWidget* okno) {
    cbTowary = Nazwany(new QComboBox(okno), "cbTowary", 401, 72, 201, 21);
    cbPojedynczo =
        Nazwany(new QCheckBox(Z1250(TekstPojedynczo()), okno), "cbPojedynczo", 433, 95, 129, 18);
    cbZaplata = Nazwany(new QCheckBox(Z1250(TekstZaplata()), okno), "cbZaplata", 433, 119, 153, 18);
    cbParagon = Nazwany(new QCheckBox(Z1250(TekstParagon()), okno), "cbParagon", 433, 143, 137, 17);
    for (QCheckBox* c : {cbPojedynczo, cbZaplata, cbParagon})
        PoszerzDoTekstu(c);
    cbFunkcja = Nazwany(new QComboBox(okno), "cbFunkcja", 420, 72, 180, 21);
    cbFunkcja->addItems(Pozycje(NazwyFunkcji()));
    cbPlatnosc = Nazwany(new QComboBox(okno), "cbPlatnosc", 430, 72, 140, 21);
    cbPlatnosc->addItems(Pozycje(PoczatkoweNazwyPlatnosci()));
    Edit10 = Nazwany(new QLineEdit(QStringLiteral("0"), okno), "Edit10", 449, 95, 97, 21);
    Button5 =
        Nazwany(new QPushButton(QStringLiteral("Zatwierdź"), okno), "Button5", 532, 160, 71, 26);
}

void PanelDefinicji::UtworzEtykiety(QWidget* okno) {
    Label1 = Etykieta(okno, "Label1", QString(), 414, 77);
    Label2 = Etykieta(okno, "Label2", QStringLiteral("Funkcja: "), 377, 76);
    Label3 = Etykieta(okno, "Label3", QStringLiteral("Płatność:"), 371, 76);
    Label4 = Etykieta(okno, "Label4", QStringLiteral("Kwota:"), 371, 101);
    Label5 = Etykieta(okno, "Label5", QStringLiteral("ZŁ"), 550, 101);
    Klawisz = Etykieta(okno, "Klawisz", QString(), 377, 161);
    QFont duza = CzcionkaOkna(13);
    Klawisz->setFont(duza);
    QPalette czarna = Klawisz->palette();
    czarna.setColor(QPalette::WindowText, Qt::black);
    Klawisz->setPalette(czarna);
    lKlawisz = Etykieta(okno, "lKlawisz", QString(), 377, 180);
    lKlawisz->hide();
}

void PanelDefinicji::WypelnijTowary(const Towary& towary) {
    const QSignalBlocker blokada(cbTowary);
    cbTowary->clear();
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
        cbTowary->addItem(Z1250(towary.TekstPozycji(n)));
    cbTowary->setCurrentIndex(0);
}

void PanelDefinicji::rgDefinicjaClick() {
    const int rodzaj = rgDefinicja->ItemIndex();
    for (QWidget* w : {static_cast<QWidget*>(cbTowary), static_cast<QWidget*>(Label1)})
        Pokaz(w, rodzaj == Towar);
    for (QWidget* w : {cbPojedynczo, cbParagon, cbZaplata})
        Pokaz(w, rodzaj == Towar);
    for (QWidget* w : {Label4, Label3, Label5})
        Pokaz(w, rodzaj == Platnosc);
    Pokaz(Label2, rodzaj == Funkcja);
    Pokaz(cbFunkcja, rodzaj == Funkcja);
    Pokaz(cbPlatnosc, rodzaj == Platnosc);
    if (rodzaj == Platnosc)
        Edit10->setText(QStringLiteral("0"));
    Pokaz(Edit10, rodzaj == Platnosc);
    if (rodzaj == Towar)
        cbTowary->setFocus(Qt::OtherFocusReason);
    else if (rodzaj == Funkcja)
        cbFunkcja->setFocus(Qt::OtherFocusReason);
    else if (rodzaj == Platnosc)
        cbPlatnosc->setFocus(Qt::OtherFocusReason);
}

void PanelDefinicji::WyczyscPanel() {
    rgDefinicja->UstawItemIndex(0);
    UstawPozycjeBezZmiany(cbTowary, 0);
    cbTowary->hide();
    for (QCheckBox* c : {cbPojedynczo, cbZaplata, cbParagon}) {
        c->setChecked(false);
        c->hide();
    }
    UstawPozycjeBezZmiany(cbPlatnosc, 0);
    cbPlatnosc->hide();
    UstawPozycjeBezZmiany(cbFunkcja, 0);
    cbFunkcja->hide();
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->hide();
}

void PanelDefinicji::PokazDefinicje(const DefinicjaKlawisza& d) {
    const int rodzaj = d.Rodzaj <= Platnosc ? int{d.Rodzaj} : int{Niezdefiniowany};
    rgDefinicja->UstawItemIndex(rodzaj);
    rgDefinicja->show();
    if (rodzaj == Towar)
        UstawTowaryIZnaczniki(d);
    if (rodzaj == Funkcja) {
        UstawPozycjeBezZmiany(cbFunkcja, d.Numer - 1);
        cbFunkcja->show();
        Label2->show();
    }
    if (rodzaj == Platnosc)
        UstawPlatnosc(d);
    else
        Label5->hide();
}

void PanelDefinicji::UstawTowaryIZnaczniki(const DefinicjaKlawisza& d) {
    UstawPozycjeBezZmiany(cbTowary, d.NrTowaru - 1);
    cbTowary->show();
    Label1->show();
    cbPojedynczo->setChecked(d.Pojedynczo != 0);
    cbZaplata->setChecked(d.Zaplata != 0);
    cbParagon->setChecked(d.Paragon != 0);
    for (QCheckBox* c : {cbPojedynczo, cbZaplata, cbParagon})
        c->show();
}

void PanelDefinicji::UstawPlatnosc(const DefinicjaKlawisza& d) {
    UstawPozycjeBezZmiany(cbPlatnosc, PozycjaPlatnosci(d.Numer));
    cbPlatnosc->show();
    Label3->show();
    Label5->show();
    Edit10->setText(Z1250(FormatujKwote(std::to_string(d.Kwota))));
    Label4->show();
}

void PanelDefinicji::UkryjZatwierdzanie() {
    rgDefinicja->hide();
    Button5->hide();
}

void PanelDefinicji::PokazZatwierdzanie() {
    rgDefinicja->show();
    Button5->show();
}

} // namespace orbaklaw
