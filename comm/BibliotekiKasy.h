#pragma once
// The two register libraries as the communication code uses them, loaded
// when first needed. Tests hand in their own tables instead.

#include "comm/BibliotekaKasdrv.h"
#include "comm/WinSer.h"

#include <memory>

namespace orbaklaw {

class Dialogi;

class BibliotekiKasy {
public:
    // From now on every call into either library, also of the libraries
    // handed in later, runs on a worker thread behind a progress box.
    void UzyjWatku(Dialogi& dialogi);

    // The register-protocol library; results go to Stan().KodBledu.
    BibliotekaKasdrv& Kasdrv();
    WinSer& KomPort();

    void UstawKasdrv(std::unique_ptr<BibliotekaKasdrv> kasdrv);
    void UstawKomPort(std::unique_ptr<WinSer> komPort);

private:
    void Przygotuj();

    Dialogi* dialogi_ = nullptr;
    std::unique_ptr<BibliotekaKasdrv> kasdrv_;
    std::unique_ptr<WinSer> komPort_;
};

} // namespace orbaklaw
