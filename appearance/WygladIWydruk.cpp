#include "appearance/WygladIWydruk.h"
#include "files/NazwyStale.h"

#include "appearance/DrukWkladki.h"
#include "appearance/EtykietyKlawiszy.h"
#include "appearance/KompozycjaWkladki.h"
#include "appearance/PoleNaKlawiszu.h"
#include "appearance/PytanieOEtykietach.h"
#include "appearance/StanWygladu.h"
#include "appearance/SzablonWkladki.h"
#include "appearance/WidokKlawiatury.h"
#include "appearance/ZapisBmp.h"
#include "appearance/ZapisPdf.h"
#include "files/NazwyPlikow.h"
#include "files/PlikZastrzezony.h"
#include "ui/Akcje.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"

#include <QFile>
#include <QPrinter>

namespace orbaklaw {

namespace {

// The order in which a chosen font reaches the fields: digits first.
std::vector<int> KolejnoscCzcionki() {
    std::vector<int> kolejnosc;
    for (int i = 18; i < LiczbaPolEtykiet; ++i)
        kolejnosc.push_back(i);
    for (int i = 0; i < 18; ++i)
        kolejnosc.push_back(i);
    return kolejnosc;
}

// The dialog starts from the fields' own font: OK without a change keeps it.
WyborCzcionki PoczatkowaCzcionkaDialogu() {
    return {DomyslnaCzcionkaEtykiet(), DomyslnyKolorEtykiet()};
}

// PlikWydruku is cleared however the save ends, so that a failed print
// never leaves the picture save without its dialog.
class CzyszczeniePlikuWydruku {
public:
    explicit CzyszczeniePlikuWydruku(StanWygladu& stan) : stan_(stan) {
        stan_.PlikWydruku = NazwaPlikuWydruku;
    }
    ~CzyszczeniePlikuWydruku() { stan_.PlikWydruku.clear(); }
    CzyszczeniePlikuWydruku(const CzyszczeniePlikuWydruku&) = delete;
    CzyszczeniePlikuWydruku& operator=(const CzyszczeniePlikuWydruku&) = delete;

private:
    StanWygladu& stan_;
};

} // namespace

WygladIWydruk::WygladIWydruk(const OknoWygladu& okno)
    : okno_(okno), dialogi_(*okno.dialogi), fontDialog1_(PoczatkowaCzcionkaDialogu()) {}

TekstyEtykiet WygladIWydruk::TekstyWkladki() const {
    TekstyEtykiet teksty;
    for (int i = 0; i < LiczbaPolEtykiet; ++i) {
        const PoleNaKlawiszu* pole = okno_.etykiety->Pole(i);
        if (!pole->isHidden())
            teksty[static_cast<size_t>(i)] = Do1250(pole->text());
    }
    return teksty;
}

void WygladIWydruk::UstawTeksty(const TekstyEtykiet& teksty) {
    for (int i = 0; i < LiczbaPolEtykiet; ++i) {
        PoleNaKlawiszu* pole = okno_.etykiety->Pole(i);
        pole->setText(Z1250(teksty[static_cast<size_t>(i)]));
        pole->setCursorPosition(0); // a text wider than its field shows its start
        pole->show();
    }
}

void WygladIWydruk::UzupelnijPokazane(const TekstyEtykiet& teksty) {
    for (int i = 0; i < LiczbaPolEtykiet; ++i) {
        PoleNaKlawiszu* pole = okno_.etykiety->Pole(i);
        if (pole->isHidden())
            continue;
        pole->setText(Z1250(teksty[static_cast<size_t>(i)]));
        pole->setCursorPosition(0);
    }
}

QImage WygladIWydruk::Komponuj(TekstyEtykiet& teksty) {
    if (okno_.szablon->isNull())
        *okno_.szablon = WczytajSzablonWkladki();
    const PoleNaKlawiszu* edit1 = okno_.etykiety->Pole(0);
    return KomponujWkladke(*okno_.szablon, teksty, okno_.klawiatura->size(), edit1->font(),
                           edit1->palette().color(QPalette::Text), edit1->logicalDpiY());
}

std::optional<QString> WygladIWydruk::NazwaZapisu() {
    if (!okno_.stan->PlikWydruku.empty())
        return SciezkaDoPokazania(okno_.stan->PlikWydruku);
    const auto wybrana = dialogi_.ZapiszObraz(*okno_.zapis);
    if (!wybrana)
        return std::nullopt;
    if (NazwaZastrzezona(SciezkaSystemu(*wybrana).string())) {
        dialogi_.Komunikat(ZastrzezonaNazwaPliku(*wybrana));
        return std::nullopt;
    }
    return wybrana;
}

bool WygladIWydruk::BitBtn1Click() {
    const auto nazwa = NazwaZapisu();
    if (!nazwa)
        return true;
    // The chosen path as the file system spells it; only the extension changes.
    const std::string obraz = ZmienRozszerzenie(SciezkaSystemu(*nazwa).string(), ".bmp");
    const std::string etykiety = ZmienRozszerzenie(obraz, ".bm0");
    // Either file may be a link to one the register library keeps.
    if (PlikZastrzezony(obraz) || PlikZastrzezony(etykiety)) {
        dialogi_.Komunikat(ZastrzezonaNazwaPliku(*nazwa));
        return true;
    }
    okno_.zapis->nazwa = SciezkaDoPokazania(obraz);
    TekstyEtykiet teksty = TekstyWkladki();
    *okno_.obraz = Komponuj(teksty);
    UzupelnijPokazane(teksty);
    if (auto zapis = ZapiszObrazBmp(*okno_.obraz, obraz); !zapis) {
        okno_.akcje->Zglos(zapis.Blad());
        return false;
    }
    *okno_.obraz = QImage(); // the working picture is only needed while saving
    if (auto zapis = ZapiszPlikEtykiet(etykiety, teksty); !zapis) {
        okno_.akcje->Zglos(zapis.Blad());
        return false;
    }
    // A print's files are its own, not the user's copy of the labels.
    if (okno_.stan->PlikWydruku.empty())
        okno_.etykiety->Zapamietaj();
    return true;
}

void WygladIWydruk::BitBtnOdczytClick() {
    if (!MoznaUtracicEtykiety(dialogi_, *okno_.etykiety, UtrataEtykiet::OdczytZPliku))
        return;
    const auto plik = dialogi_.OtworzPlik(*okno_.odczyt);
    if (!plik)
        return;
    const auto teksty = CzytajPlikEtykiet(SciezkaSystemu(*plik));
    if (!teksty) {
        okno_.akcje->Zglos(teksty.Blad());
        return;
    }
    UstawTeksty(*teksty);
    okno_.etykiety->Zapamietaj();
}

bool WygladIWydruk::MoznaZamknac() {
    return MoznaUtracicEtykiety(dialogi_, *okno_.etykiety, UtrataEtykiet::Zamkniecie);
}

bool WygladIWydruk::Podglad(QPrinter& drukarka) {
    TekstyEtykiet teksty = TekstyWkladki(); // a copy: the preview changes no field
    const PoleNaKlawiszu* edit1 = okno_.etykiety->Pole(0);
    // Labels the insert cuts are framed in red on the preview only.
    const QImage wkladka = ZaznaczUcieteEtykiety(Komponuj(teksty), teksty, okno_.klawiatura->size(),
                                                 edit1->font(), edit1->logicalDpiY());
    return dialogi_.Podglad(
        drukarka, [&wkladka](QPrinter& p) { RysujWkladke(p, wkladka, KorektaDlaDrukarki(p)); });
}

bool WygladIWydruk::ZgodaNaObciecie(const QPrinter& drukarka, KorektaDruku korekta) {
    if (WkladkaMiesciSie(drukarka, *okno_.obraz, korekta))
        return true;
    return dialogi_.Pytanie(
        QStringLiteral("Wkładka nie mieści się w obszarze wydruku drukarki %1 i zostanie "
                       "obcięta (program nie zmniejsza jej, by pasowała do klawiatury). "
                       "Drukować mimo to?")
            .arg(drukarka.printerName()),
        QStringLiteral("Wydruk"), Odpowiedz::Nie);
}

void WygladIWydruk::bbDrukujClick() {
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setCopyCount(1);
    if (!Podglad(drukarka) || !dialogi_.Drukuj(drukarka))
        return;
    {
        const CzyszczeniePlikuWydruku czyszczenie(*okno_.stan);
        if (!BitBtn1Click())
            return;
        okno_.obraz->load(QString::fromLatin1(NazwaPlikuWydruku));
        QFile::remove(QString::fromLatin1(NazwaPlikuWydruku));
    }
    const KorektaDruku korekta = KorektaDlaDrukarki(drukarka);
    if (ZgodaNaObciecie(drukarka, korekta))
        Drukuj(drukarka, korekta);
}

void WygladIWydruk::Drukuj(QPrinter& drukarka, KorektaDruku korekta) {
    // Printing to a PDF file saves it as every file is saved, whole or not
    // at all.
    if (drukarka.outputFormat() == QPrinter::PdfFormat && !drukarka.outputFileName().isEmpty()) {
        const QString pdf = drukarka.outputFileName();
        if (NazwaZastrzezona(SciezkaSystemu(pdf).string()) ||
            PlikZastrzezony(SciezkaSystemu(pdf))) {
            dialogi_.Komunikat(ZastrzezonaNazwaPliku(pdf));
            return;
        }
        if (auto zapis = ZapiszPdfWkladki(*okno_.obraz, SciezkaSystemu(drukarka.outputFileName()),
                                          drukarka.pageLayout(), drukarka.resolution());
            !zapis)
            okno_.akcje->Zglos(zapis.Blad());
        return;
    }
    const WynikWydruku wynik = DrukujWkladke(drukarka, *okno_.obraz, korekta);
    if (!wynik.udany)
        okno_.akcje->Zglos(Z1250(Do1250(wynik.blad)));
}

void WygladIWydruk::bCzcionkaClick() {
    const auto wybor = dialogi_.Czcionka(fontDialog1_);
    if (!wybor)
        return;
    fontDialog1_ = *wybor;
    for (int i : KolejnoscCzcionki()) {
        PoleNaKlawiszu* pole = okno_.etykiety->Pole(i);
        pole->setFont(wybor->czcionka);
        QPalette paleta = pole->palette();
        paleta.setColor(QPalette::Text, wybor->kolor);
        pole->setPalette(paleta);
        pole->update();
    }
}

} // namespace orbaklaw
