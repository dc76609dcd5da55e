#include "app/GrupaRadiowa.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace orbaklaw {

GrupaRadiowa::GrupaRadiowa(const QString& tytul, const QStringList& pozycje, int kolumny,
                           QWidget* rodzic)
    : QGroupBox(tytul, rodzic), grupa_(new QButtonGroup(this)), kolumny_(kolumny) {
    for (int i = 0; i < pozycje.size(); ++i) {
        auto* przycisk = new QRadioButton(pozycje[i], this);
        grupa_->addButton(przycisk, i);
        przyciski_.push_back(przycisk);
    }
    connect(grupa_, &QButtonGroup::idToggled, this, [this](int id, bool zaznaczony) {
        if (zaznaczony)
            Wybrano(id);
    });
    Rozmiesc();
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
    emit klikniecie();
}

void GrupaRadiowa::resizeEvent(QResizeEvent* e) {
    QGroupBox::resizeEvent(e);
    Rozmiesc();
}

// Items fill the first column top to bottom, then the next.
void GrupaRadiowa::Rozmiesc() {
    if (przyciski_.empty())
        return;
    const int wiersze = (Liczba() + kolumny_ - 1) / kolumny_;
    const int gora = title().isEmpty() ? 4 : fontMetrics().height();
    const int szerokosc = (width() - 8) / kolumny_;
    const int wysokosc = (height() - gora - 2) / wiersze;
    for (int i = 0; i < Liczba(); ++i) {
        const int kolumna = i / wiersze;
        const int wiersz = i % wiersze;
        przyciski_[static_cast<size_t>(i)]->setGeometry(
            6 + kolumna * szerokosc, gora + wiersz * wysokosc, szerokosc - 2, wysokosc);
    }
}

} // namespace orbaklaw
