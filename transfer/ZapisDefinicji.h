#pragma once
// "Zapis do kasy" and "Zapis do pliku": all key definitions at once, into a
// file the user names or, through "klawisz.txt", into the register. The
// file is written whole or not at all; a failed write is reported and
// nothing is sent.

#include "transfer/OknoTransferu.h"

#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace orbaklaw {

class Dialogi;
class PostepOperacji;
class SesjaKasy;
struct WynikZmiany;

class ZapisDefinicji {
public:
    explicit ZapisDefinicji(const OknoTransferu& okno);
    ~ZapisDefinicji();
    ZapisDefinicji(const ZapisDefinicji&) = delete;
    ZapisDefinicji& operator=(const ZapisDefinicji&) = delete;

    void DoKasy();
    void DoPliku();

private:
    // False when the action ends (a konfig.txt that can't be read went to the
    // error handler).
    bool CzytajNumerKasy();
    // False when the backup failed and the user chose not to go on.
    bool ZachowajKopie(SesjaKasy& sesja);
    // False (after a message) when the file could not be written.
    bool Zapisz(const std::filesystem::path& plik, const QString& nazwa);
    // False when the user answered "Nie" to the keys the write changes, or
    // nothing would change (said, and nothing is sent).
    bool PotwierdzZmiany(const SesjaKasy& sesja);
    // False when the register refused the payments (F1 is then left alone).
    bool WyslijDoKasy(SesjaKasy& sesja);
    // The success message, after the register was read back unless a lost
    // reply already made the session read it.
    void Zapisano(SesjaKasy& sesja, const WynikZmiany& zmiana);

    const OknoTransferu& okno_;
    Dialogi& dialogi_;
    std::unique_ptr<PostepOperacji> postep_; // of "Zapis do kasy", until its result shows
};

} // namespace orbaklaw
