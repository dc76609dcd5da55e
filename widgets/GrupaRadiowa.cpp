#include "widgets/GrupaRadiowa.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

namespace orbaklaw {

GrupaRadiowa::GrupaRadiowa(const QString& tytul, const QStringList& pozycje, int kolumny,
                           QWidget* rodzic)
    : QGroupBox(tytul, rodzic), grupa_(new QButtonGroup(this)), kolumny_(kolumny) {
    for (int i = 0; i < pozycje.size(); ++i) {
        auto* przycisk = new QRadioButton(pozycje[i], this);
        grupa_->addButton(przycisk, i);
        przycisk->installEventFilter(this);
        przyciski_.push_back(przycisk);
    }
    connect(grupa_, &QButtonGroup::idToggled, this, [this](int id, bool zaznaczony) {
        if (zaznaczony)
            Wybrano(id);
    });
    Rozmiesc();
    UstawFokusTab();
}

void GrupaRadiowa::UstawItemIndex(int indeks) {
    if (auto* przycisk = Przycisk(indeks))
        przycisk->setChecked(true); // toggling reports the change through Wybrano
}

QRadioButton* GrupaRadiowa::Przycisk(int indeks) const {
    if (indeks < 0 || indeks >= Liczba())
        return nullptr;
    return przyciski_[static_cast<size_t>(indeks)];
}

void GrupaRadiowa::Wybrano(int indeks) {
    if (indeks == indeks_)
        return;
    indeks_ = indeks;
    UstawFokusTab();
    emit klikniecie();
}

// Tab stops at the checked item only (the first while none is checked), so
// one Tab enters the group and the next leaves it.
void GrupaRadiowa::UstawFokusTab() {
    const int zTab = indeks_ < 0 ? 0 : indeks_;
    for (int i = 0; i < Liczba(); ++i)
        przyciski_[static_cast<size_t>(i)]->setFocusPolicy(i == zTab ? Qt::StrongFocus
                                                                     : Qt::ClickFocus);
}

// The arrows move to the next or previous item, round the group, and check
// it. The focus goes to the item first, so that the change action can send
// it on (the kind group moves it to the kind's chooser).
bool GrupaRadiowa::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() != QEvent::KeyPress)
        return false;
    const auto* k = static_cast<QKeyEvent*>(zdarzenie);
    int krok = 0;
    if (k->key() == Qt::Key_Down || k->key() == Qt::Key_Right)
        krok = 1;
    else if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Left)
        krok = -1;
    const auto ten = std::find(przyciski_.begin(), przyciski_.end(), obiekt);
    if (krok == 0 || ten == przyciski_.end() || k->modifiers() != Qt::NoModifier)
        return false;
    const int obecny = static_cast<int>(ten - przyciski_.begin());
    const int nowy = (obecny + krok + Liczba()) % Liczba();
    Przycisk(nowy)->setFocus(krok > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    UstawItemIndex(nowy);
    return true;
}

void GrupaRadiowa::resizeEvent(QResizeEvent* e) {
    QGroupBox::resizeEvent(e);
    Rozmiesc();
}

void GrupaRadiowa::changeEvent(QEvent* e) {
    QGroupBox::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        Rozmiesc();
}

// Items fill the first column top to bottom, then the next.
void GrupaRadiowa::Rozmiesc() {
    if (przyciski_.empty())
        return;
    const int wiersze = (Liczba() + kolumny_ - 1) / kolumny_;
    const int gora = title().isEmpty() ? 2 : fontMetrics().height();
    const int wysokosc = (height() - gora - 2) / wiersze;
    const std::vector<int> szerokosci = SzerokosciKolumn();
    int x = 4;
    for (int i = 0; i < Liczba(); ++i) {
        const int kolumna = i / wiersze;
        const int wiersz = i % wiersze;
        if (wiersz == 0 && kolumna > 0)
            x += szerokosci[static_cast<size_t>(kolumna - 1)];
        przyciski_[static_cast<size_t>(i)]->setGeometry(
            x, gora + wiersz * wysokosc, szerokosci[static_cast<size_t>(kolumna)] - 2, wysokosc);
    }
}

// Equal columns, unless one row of items with texts of different lengths
// only fits when each column gets its own text's width plus an equal share.
std::vector<int> GrupaRadiowa::SzerokosciKolumn() const {
    const int dostepna = width() - 8;
    std::vector<int> szerokosci(static_cast<size_t>(kolumny_), dostepna / kolumny_);
    if (Liczba() != kolumny_)
        return szerokosci;
    int potrzebna = 0;
    for (auto* p : przyciski_)
        potrzebna += p->sizeHint().width() + 2;
    if (potrzebna > dostepna)
        return szerokosci;
    const int zapas = (dostepna - potrzebna) / kolumny_;
    for (int i = 0; i < kolumny_; ++i)
        szerokosci[static_cast<size_t>(i)] =
            przyciski_[static_cast<size_t>(i)]->sizeHint().width() + 2 + zapas;
    return szerokosci;
}

} // namespace orbaklaw
