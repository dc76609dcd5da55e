#include "DialogiTestowe.h"

#include "ui/PostepWymiany.h"

#include <QApplication>

#include <QDialog>
#include <QPrinter>

#include <gtest/gtest.h>

namespace orbaklaw {

DialogiTestowe::~DialogiTestowe() {
    if (!odpowiedzi.empty())
        ADD_FAILURE() << odpowiedzi.size() << " unused message box answer(s)";
    if (!pliki.empty())
        ADD_FAILURE() << pliki.size() << " unused file dialog answer(s), first: "
                      << (pliki.front() ? pliki.front()->toStdString() : "cancel");
    if (!wydruki.empty())
        ADD_FAILURE() << wydruki.size() << " unused print dialog answer(s)";
    if (!czcionki.empty())
        ADD_FAILURE() << czcionki.size() << " unused font dialog answer(s)";
    if (!okna.empty())
        ADD_FAILURE() << okna.size() << " unused dialog script(s)";
    if (!podgladyDalej.empty())
        ADD_FAILURE() << podgladyDalej.size() << " unused print preview answer(s)";
}

DialogiQt& DialogiTestowe::Qt() {
    if (!qt_)
        qt_ = std::make_unique<DialogiQt>(QApplication::activeWindow());
    return *qt_;
}

Odpowiedz DialogiTestowe::Pokaz(const OknoKomunikatu& okno) {
    komunikaty.push_back(okno);
    if (prawdziweKomunikaty)
        return Qt().Pokaz(okno);
    if (!odpowiedzi.empty()) {
        const Odpowiedz o = odpowiedzi.front();
        odpowiedzi.pop_front();
        return o;
    }
    return okno.przyciski == Przyciski::Ok ? Odpowiedz::Ok : Odpowiedz::Nie;
}

std::optional<QString> DialogiTestowe::NastepnyPlik(const DialogPliku& d) {
    dialogiPlikow.push_back(d);
    if (pliki.empty())
        return std::nullopt;
    auto plik = pliki.front();
    pliki.pop_front();
    return plik;
}

std::optional<QString> DialogiTestowe::Otwarcie(const DialogPliku& d) {
    if (prawdziwePliki) {
        dialogiPlikow.push_back(d);
        return Qt().Otwarcie(d);
    }
    return NastepnyPlik(d);
}

std::optional<QString> DialogiTestowe::Zapis(const DialogPliku& d) {
    if (prawdziwePliki) {
        dialogiPlikow.push_back(d);
        return Qt().Zapis(d);
    }
    return NastepnyPlik(d);
}

std::optional<QString> DialogiTestowe::ZapisObrazu(const DialogPliku& d) {
    if (prawdziwePliki) {
        dialogiPlikow.push_back(d);
        return Qt().ZapisObrazu(d);
    }
    return NastepnyPlik(d);
}

bool DialogiTestowe::Drukuj(QPrinter& drukarka) {
    if (wydruki.empty())
        return false;
    const bool wynik = wydruki.front();
    wydruki.pop_front();
    if (wynik && ustawDrukarke)
        ustawDrukarke(drukarka);
    return wynik;
}

bool DialogiTestowe::Podglad(QPrinter& drukarka, const std::function<void(QPrinter&)>& rysuj) {
    ++podglady;
    if (!plikPodgladu.isEmpty()) {
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(plikPodgladu);
        rysuj(drukarka);
        drukarka.setOutputFileName({});
        drukarka.setOutputFormat(QPrinter::NativeFormat);
    }
    if (podgladyDalej.empty())
        return true;
    const bool dalej = podgladyDalej.front();
    podgladyDalej.pop_front();
    return dalej;
}

std::optional<WyborCzcionki> DialogiTestowe::Czcionka(const WyborCzcionki& poczatkowa) {
    poczatkoweCzcionki.push_back(poczatkowa);
    if (czcionki.empty())
        return std::nullopt;
    auto wynik = czcionki.front();
    czcionki.pop_front();
    return wynik;
}

int DialogiTestowe::Modalnie(QDialog& okno) {
    ++pokazaneOkna;
    okno.setResult(QDialog::Rejected);
    okno.show();
    if (!okna.empty()) {
        auto skrypt = std::move(okna.front());
        okna.pop_front();
        skrypt(okno);
    }
    const int wynik = okno.result();
    okno.hide();
    return wynik;
}

namespace {
class PostepTestowy : public PostepWymiany {
public:
    explicit PostepTestowy(DialogiTestowe::ZapisPostepu& zapis) : zapis_(zapis) {}
    ~PostepTestowy() override { zapis_.zamkniety = true; }
    void Ustaw(uint64_t zrobione, uint64_t oczekiwane) override {
        zapis_.stany.emplace_back(zrobione, oczekiwane);
    }

private:
    DialogiTestowe::ZapisPostepu& zapis_;
};
} // namespace

std::unique_ptr<PostepWymiany> DialogiTestowe::Postep(const QString& tekst) {
    postepy.push_back({tekst, {}, false});
    return std::make_unique<PostepTestowy>(postepy.back());
}

QStringList DialogiTestowe::Teksty() const {
    QStringList teksty;
    for (const auto& k : komunikaty)
        teksty << k.tekst;
    return teksty;
}

} // namespace orbaklaw
