#include "transfer/KopiaPrzedZmiana.h"
#include "files/NazwyStale.h"

#include "comm/NumerKasy.h"
#include "comm/PlikZapytania.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "format/PlikDefinicji.h"
#include "format/TabliceKlawiszy.h"
#include "transfer/KopiaZapasowa.h"
#include "transfer/WymianaZKasa.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"

#include <exception>
#include <filesystem>

namespace orbaklaw {

namespace {
// The register's reply is read into a name of the program's own, so that
// "klawisz.txt" keeps what was last sent or read.
constexpr const char* PlikOdpowiedzi = "kopia.@#$";

// The exchange files go whatever happens.
class UsunPliki {
public:
    UsunPliki() = default;
    ~UsunPliki() {
        std::error_code ec;
        std::filesystem::remove(NazwaPlikuZapytania, ec);
        std::filesystem::remove(PlikOdpowiedzi, ec);
    }
    UsunPliki(const UsunPliki&) = delete;
    UsunPliki& operator=(const UsunPliki&) = delete;
};
} // namespace

bool KopiaPrzedZmiana::Zachowaj(const std::string& numerKasy, const QString& dalej) {
    const QString powod = Wykonaj(numerKasy);
    if (powod.isEmpty())
        return true;
    return dialogi_.Pytanie(QStringLiteral("Nie udało się zachować kopii zapasowej definicji "
                                           "klawiszy z kasy:\r") +
                                powod + QStringLiteral("\r") + dalej,
                            QStringLiteral("Uwaga"), Odpowiedz::Nie);
}

std::optional<std::string> KopiaPrzedZmiana::Odczytaj(const std::string& numerKasy,
                                                      QString* powod) {
    const auto blad = [powod](const QString& tekst) {
        if (powod)
            *powod = tekst;
        return std::nullopt;
    };
    try {
        const unsigned numer = NumerKasyJakoLiczba(numerKasy);
        const UsunPliki usun;
        if (!UtworzPlikWejsciowy(NazwaPlikuZapytania, numer))
            return blad(QStringLiteral("Nie udało się stworzyć pliku wejściowego."));
        std::string opis;
        const uint8_t kod = wymiana_.Wywolaj([&opis](BibliotekaKasdrv& kasdrv) {
            const uint8_t wynik = kasdrv.ODefKlaw(NazwaPlikuZapytania, PlikOdpowiedzi);
            opis = kasdrv.OpisBledu();
            return wynik;
        });
        // The code's message, and why when the library knows (a port held
        // by another program).
        if (kod != 0)
            return blad(Z1250(KomunikatBledu(kod)) +
                        (opis.empty() ? QString() : QStringLiteral("\r") + Z1250(opis)));
        TabliceKlawiszy odczytane;
        if (!CzytajPlikDefinicji(odczytane, PlikOdpowiedzi).poprawny)
            return blad(Z1250(KomunikatBledu(23))); // a reply that is no definition file
        return ZlaczLinie(CzytajLinie(PlikOdpowiedzi));
    } catch (const std::exception& e) {
        return blad(Z1250(e.what()));
    }
}

void KopiaPrzedZmiana::Przeczytaj(const std::string& numerKasy) {
    odczytane_ = Odczytaj(numerKasy, &powod_);
    przeczytane_ = true;
}

QString KopiaPrzedZmiana::Wykonaj(const std::string& numerKasy) {
    if (!przeczytane_)
        Przeczytaj(numerKasy);
    if (!odczytane_)
        return powod_;
    try {
        plik_ = ZachowajKopie(numerKasy, *odczytane_);
        return {};
    } catch (const std::exception& e) {
        return Z1250(e.what());
    }
}

} // namespace orbaklaw
