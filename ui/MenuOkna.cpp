#include "ui/MenuOkna.h"

#include "ui/Akcje.h"

#include <QMenu>
#include <QMenuBar>

namespace orbaklaw {

QMenu& MenuOkna::Menu(const QString& tytul) {
    for (QAction* a : pasek_.actions())
        if (a->menu() != nullptr && a->text() == tytul)
            return *a->menu();
    QMenu* menu = pasek_.addMenu(tytul);
    menu->setObjectName(QStringLiteral("Menu") + QString(tytul).remove(QLatin1Char('&')));
    return *menu;
}

QAction& MenuOkna::Dodaj(const QString& menu, const QString& pozycja, const QString& nazwa,
                         std::function<void()> akcja) {
    QAction* a = Menu(menu).addAction(pozycja);
    a->setObjectName(nazwa);
    akcje_.Podlacz(a, &QAction::triggered, a, std::move(akcja));
    return *a;
}

} // namespace orbaklaw
