#include "appearance/ZasobyObrazow.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE declares its function in the enclosing namespace, so it
// has to be used outside ours.
static void ZarejestrujObrazy() {
    Q_INIT_RESOURCE(obrazy);
}

namespace orbaklaw {

void ZarejestrujZasobyObrazow() {
    // Registering again is harmless: Qt ignores a resource it already has.
    ZarejestrujObrazy();
}

} // namespace orbaklaw
