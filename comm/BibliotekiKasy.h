#pragma once
// The two register libraries as the program uses them: the one place where
// the communication dialog, the start-up query and the definition buttons
// get them, and the one place where a test replaces them.

#include "comm/BibliotekaKasdrv.h"
#include "comm/WinSer.h"

#include <QString>

#include <memory>
#include <optional>

namespace orbaklaw {

class Dialogi;
class PostepOperacji;

class BibliotekiKasy {
public:
    // From now on every call into either library runs on a worker thread
    // behind a progress box.
    void UzyjWatku(Dialogi& dialogi);

    // The register-protocol library of the dialog and the start-up query,
    // loaded when first needed and kept.
    BibliotekaKasdrv& Kasdrv();
    // A register-protocol library of its own for one exchange of the
    // definition buttons: loaded for it, let go after it.
    std::unique_ptr<BibliotekaKasdrv> NowaKasdrv();
    WinSer& KomPort();

    // Until the object given goes, the calls of the definition buttons
    // share one progress box `tekst`, its bar split among `wywolan` calls;
    // none while calls run where they stand (no worker thread).
    std::unique_ptr<PostepOperacji> Operacja(const QString& tekst, int wywolan);

    // Tests: these functions instead of libkasdrv.so, or this serial
    // library, for every call from now on.
    void UzyjKasdrv(const FunkcjeKasdrv& funkcje);
    void UstawKomPort(std::unique_ptr<WinSer> komPort);

private:
    BibliotekaKasdrv Utworz() const;
    void Przygotuj(BibliotekaKasdrv& kasdrv) const;
    void Przygotuj(WinSer& komPort) const;

    Dialogi* dialogi_ = nullptr;
    std::optional<FunkcjeKasdrv> funkcje_;
    std::unique_ptr<BibliotekaKasdrv> kasdrv_;
    std::unique_ptr<WinSer> komPort_;
    PostepOperacji* operacja_ = nullptr; // the action under way
};

} // namespace orbaklaw
