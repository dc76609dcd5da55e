#include "widgets/WyroznienieDomyslnego.h"

#include <QApplication>
#include <QPushButton>

namespace orbaklaw {

WyroznienieDomyslnego::WyroznienieDomyslnego(QWidget& okno, QPushButton& domyslny)
    : QObject(&okno), okno_(okno), domyslny_(domyslny) {
    domyslny_.setDefault(true);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* nowy) { Pokaz(nowy); });
}

void WyroznienieDomyslnego::Pokaz(QWidget* fokus) {
    if (fokus == nullptr || fokus->window() != &okno_)
        return; // another window, or the application in the background
    auto* przycisk = qobject_cast<QPushButton*>(fokus);
    QPushButton* wyrozniony = przycisk != nullptr ? przycisk : &domyslny_;
    for (QPushButton* b : okno_.findChildren<QPushButton*>())
        if (b->isDefault() != (b == wyrozniony))
            b->setDefault(b == wyrozniony);
}

} // namespace orbaklaw
