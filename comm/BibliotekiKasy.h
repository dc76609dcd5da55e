#pragma once
// The two register libraries as the communication code uses them, loaded
// when first needed. Tests hand in their own tables instead.

#include "comm/BibliotekaKasdrv.h"
#include "comm/WinSer.h"

#include <memory>

namespace orbaklaw {

class BibliotekiKasy {
public:
    // The register-protocol library; results go to Stan().KodBledu.
    BibliotekaKasdrv& Kasdrv();
    WinSer& KomPort();

    void UstawKasdrv(std::unique_ptr<BibliotekaKasdrv> kasdrv) { kasdrv_ = std::move(kasdrv); }
    void UstawKomPort(std::unique_ptr<WinSer> komPort) { komPort_ = std::move(komPort); }

private:
    std::unique_ptr<BibliotekaKasdrv> kasdrv_;
    std::unique_ptr<WinSer> komPort_;
};

} // namespace orbaklaw
