#include "appearance/EtykietyKlawiszy.h"

#include "appearance/PoleNaKlawiszu.h"
#include "appearance/PytanieOEtykietach.h"
#include "ui/Dialogi.h"

namespace orbaklaw {

EtykietyKlawiszy::EtykietyKlawiszy(QWidget* okno) {
    for (int i = 0; i < LiczbaPolEtykiet; ++i)
        pola_[static_cast<size_t>(i)] =
            new PoleNaKlawiszu(PolaEtykiet()[static_cast<size_t>(i)], okno);
}

PoleNaKlawiszu* EtykietyKlawiszy::Pierwsza(int nrKlawisza) const {
    const int i = IndeksPolaEtykiety(nrKlawisza, false);
    return i < 0 ? nullptr : Pole(i);
}

PoleNaKlawiszu* EtykietyKlawiszy::Druga(int nrKlawisza) const {
    const int i = IndeksPolaEtykiety(nrKlawisza, true);
    return i < 0 ? nullptr : Pole(i);
}

PoleNaKlawiszu* EtykietyKlawiszy::PoNazwie(const QString& nazwa) const {
    for (auto* pole : pola_)
        if (pole->objectName().compare(nazwa, Qt::CaseInsensitive) == 0)
            return pole;
    return nullptr;
}

std::vector<QWidget*> EtykietyKlawiszy::KolejnoscTab() const {
    static constexpr int klawisze[] = {0,  1,  2,  3,  4,  5,  6,  7,  8, 16,
                                       17, 18, 13, 14, 15, 10, 11, 12, 9};
    std::vector<QWidget*> kolejnosc;
    for (int nr : klawisze) {
        kolejnosc.push_back(Pierwsza(nr));
        kolejnosc.push_back(Druga(nr));
    }
    return kolejnosc;
}

std::vector<PoleNaKlawiszu*> EtykietyKlawiszy::KolejnoscEdycji() const {
    std::vector<PoleNaKlawiszu*> kolejnosc;
    for (int nr = 0; nr < 19; ++nr) {
        kolejnosc.push_back(Pierwsza(nr));
        kolejnosc.push_back(Druga(nr));
    }
    return kolejnosc;
}

// Fields all empty hold nothing to lose, whatever was there before.
bool EtykietyKlawiszy::Zmienione() const {
    bool zmienione = false;
    bool puste = true;
    for (const auto* pole : pola_) {
        zmienione = zmienione || pole->Zmieniony();
        puste = puste && pole->text().isEmpty();
    }
    return zmienione && !puste;
}

void EtykietyKlawiszy::Zapamietaj() {
    for (auto* pole : pola_)
        pole->Zapamietaj();
}

void EtykietyKlawiszy::Button2Click() {
    for (auto* pole : KolejnoscEdycji())
        pole->show();
}

void EtykietyKlawiszy::Button1Click(Dialogi& dialogi, const std::function<void()>& wybierzF1) {
    // Enter must not empty the user's labels: "Nie" is the default. Typed
    // texts saved nowhere are named before the question.
    QString pytanie = QStringLiteral("Czy przywrócić domyślny uklad klawiszy?");
    if (Zmienione())
        pytanie = NiezapisaneEtykiety() +
                  QStringLiteral("Przywrócenie układu domyślnego je usunie.\r") + pytanie;
    if (dialogi.Pytanie(pytanie, QStringLiteral("Uwaga"), Odpowiedz::Nie)) {
        for (auto* pole : KolejnoscEdycji()) {
            pole->setText(QString()); // the program's own change, as a label file's
            pole->hide();
        }
    }
    wybierzF1();
}

} // namespace orbaklaw
