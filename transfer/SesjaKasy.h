#pragma once
// One register action as the window and orbaklaw-cli both carry it out. The
// register library reads KONFIG.TXT and trades files in the current folder,
// so a session works in one folder (the window's working folder, the CLI's
// private one) and makes each call with it as the current folder. A session
// makes the request file, calls the library, reads the reply with a bound
// and checks it, keeps the register's definitions as a backup before a
// change, tells which keys a change touches, judges a change whose reply
// was lost by what the register then holds, reads the register back after
// a change to check it, and removes its exchange files whatever happens.
// The front ends only ask and show: each hands in the library set up to
// carry its calls (the window's on a worker thread behind a progress box,
// the CLI's with a line on the terminal). No Qt.

#include "comm/BibliotekaDynamiczna.h"
#include "files/GraniceOdczytu.h"
#include "format/TabliceKlawiszy.h"
#include "transfer/PorownanieDefinicji.h"
#include "transfer/SprawdzenieZmiany.h"
#include "transfer/WynikKasy.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orbaklaw {

class BibliotekaKasdrv;

// A read as the register left it: how it ended and, when it was done, what
// was read.
template <typename T> struct [[nodiscard]] OdczytKasy {
    WynikKasy wynik;
    T tresc;
};

// A write or a deletion as the register left it.
struct [[nodiscard]] WynikZmiany {
    // A reply lost after the whole request is judged by what the register
    // then holds (`stan`): the new definitions make it a success.
    WynikKasy wynik;
    std::optional<StanPoZmianie> stan; // when the register was read back for a lost reply
};

// The register read back after it took a change.
struct [[nodiscard]] WynikSprawdzenia {
    WynikKasy odczyt;                     // the read's own result
    std::vector<RoznicaKlawisza> roznice; // held against what it should hold
};

class SesjaKasy {
public:
    // One call of the library; a failure when the library can't be used.
    using WywolanieKasy = std::function<ZBiblioteki<uint8_t>(BibliotekaKasdrv&)>;

    // `kodBledu` gets the result of each exchange the caller asked for: a
    // read, the read before a change, and a change as it was judged (the
    // session's own reads after a change leave it alone).
    SesjaKasy(BibliotekaKasdrv& kasdrv, std::filesystem::path folder, std::string numerKasy,
              uint8_t& kodBledu);
    ~SesjaKasy();
    SesjaKasy(const SesjaKasy&) = delete;
    SesjaKasy& operator=(const SesjaKasy&) = delete;

    const std::string& NumerKasy() const { return numer_; }

    // The register's definition file (only when it is one). The reply goes
    // to `plikOdpowiedzi` of the folder when given (and stays there), else
    // to a name of the session's own that goes at once.
    OdczytKasy<std::string> OdczytajDefinicje(const char* plikOdpowiedzi = nullptr);
    // The lines of the goods reply (TowarMax) and of the payments reply
    // (OPlat); the reply file stays in the folder for a later run.
    OdczytKasy<std::vector<std::string>> OdczytajTowary();
    OdczytKasy<std::vector<std::string>> OdczytajPlatnosci();

    // Before a change: the register's definitions read once and kept for the
    // questions and the judgements that follow.
    WynikKasy CzytajPrzedZmiana();
    // They are then kept as a backup (read first when not read yet).
    WynikKasy ZachowajKopie();
    const std::optional<std::string>& Poprzednie() const { return poprzednie_; }
    const std::optional<std::filesystem::path>& PlikKopii() const { return plikKopii_; }

    // The keys a write of `nowe` or a deletion would change, against what the
    // register held; none when that was not read.
    std::optional<std::vector<RoznicaKlawisza>> ZmianyZapisu(const TabliceKlawiszy& nowe) const;
    std::optional<std::vector<RoznicaKlawisza>> ZmianyKasowania() const;

    // Writes `wyslane` to "klawisz.txt" of the folder and sends it; the
    // file stays (the window's working folder keeps what was last sent).
    WynikZmiany Zapisz(const TabliceKlawiszy& wyslane);
    // Writes the deletion request and sends it; it goes once the register
    // took it.
    WynikZmiany Kasuj();
    // After the register took the last change: read back and compared with
    // what it should hold.
    WynikSprawdzenia Sprawdz();

private:
    // `zapamietaj`: the exchange's result goes to KodBledu.
    WynikKasy Wywolaj(const WywolanieKasy& wywolanie, bool zapamietaj);
    OdczytKasy<std::string> Odczytaj(const char* plikOdpowiedzi, bool zapamietaj);
    WynikKasy UtworzZapytanie();
    OdczytKasy<std::vector<std::string>>
    OdczytajListe(const WywolanieKasy& wywolanie, const char* plik, const GraniceOdczytu& granice);
    WynikZmiany Zmien(const WywolanieKasy& wywolanie);
    std::filesystem::path Sciezka(const char* plik) const { return folder_ / plik; }

    BibliotekaKasdrv& kasdrv_;
    std::filesystem::path folder_;
    std::string numer_;
    uint8_t& kodBledu_;
    std::optional<std::string> poprzednie_; // the register's definitions before a change
    WynikKasy odczytPoprzednich_;           // how reading them ended
    bool przeczytane_ = false;
    std::optional<std::filesystem::path> plikKopii_;
    std::optional<ZmianaWKasie> zmiana_; // the last change sent
};

} // namespace orbaklaw
