#pragma once
// The menu bar above the main window's form. Each subsystem puts its own
// entries in it (a menu is made when its first entry comes), so a new
// action needs no room on the form and no change here. Alt and a menu's
// underlined letter open it, as in any desktop program.

#include <QString>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace orbaklaw {

class Akcje;

class MenuOkna {
public:
    MenuOkna(QMenuBar& pasek, const Akcje& akcje) : pasek_(pasek), akcje_(akcje) {}

    // The menu titled `tytul` ("&Kasa": K underlined), made at the first call.
    QMenu& Menu(const QString& tytul);
    // Adds `pozycja` to that menu; choosing it runs `akcja` as every user
    // action runs (ui/Akcje.h). The object name lets tests find it.
    QAction& Dodaj(const QString& menu, const QString& pozycja, const QString& nazwa,
                   std::function<void()> akcja);

private:
    QMenuBar& pasek_;
    const Akcje& akcje_;
};

} // namespace orbaklaw
