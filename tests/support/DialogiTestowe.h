#pragma once
// Dialogs that answer from a script and remember what they were asked.

#include "ui/Dialogi.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace orbaklaw {

class DialogiTestowe : public Dialogi {
public:
    // A test that queued an answer nobody asked for fails here: the program
    // did not show the dialog the test expected.
    ~DialogiTestowe() override;

    Odpowiedz Pokaz(const OknoKomunikatu& okno) override;
    std::optional<QString> OtworzPlik(const DialogPliku& d) override;
    std::optional<QString> ZapiszPlik(const DialogPliku& d) override;
    std::optional<QString> ZapiszObraz(const DialogPliku& d) override;
    bool Drukuj(QPrinter& drukarka) override;
    // Counts the preview and draws it into `plikPodgladu` when that names a
    // PDF; then goes on to print, unless `podgladyDalej` answers false.
    bool Podglad(QPrinter& drukarka, const std::function<void(QPrinter&)>& rysuj) override;
    int podglady = 0;
    QString plikPodgladu;
    std::deque<bool> podgladyDalej;
    std::optional<WyborCzcionki> Czcionka(const WyborCzcionki& poczatkowa) override;
    // Runs the next queued script on the dialog instead of a modal loop; the
    // script clicks what a user would (the dialog shows while it runs). With
    // no script the dialog is closed as by Esc.
    int Modalnie(QDialog& okno) override;
    // Records the box's text and every count it was shown, and when it went.
    std::unique_ptr<PostepWymiany> Postep(const QString& tekst) override;

    struct ZapisPostepu {
        QString tekst;
        std::vector<std::pair<uint64_t, uint64_t>> stany; // done, expected
        bool zamkniety = false;
    };
    std::deque<ZapisPostepu> postepy;

    // Queued answers; an empty queue answers OK, No, cancel.
    std::deque<Odpowiedz> odpowiedzi;
    std::deque<std::optional<QString>> pliki;
    std::deque<bool> wydruki;
    std::deque<std::optional<WyborCzcionki>> czcionki;
    std::function<void(QPrinter&)> ustawDrukarke; // e.g. PDF output, before an accepted print
    std::vector<WyborCzcionki> poczatkoweCzcionki;
    std::deque<std::function<void(QDialog&)>> okna;
    int pokazaneOkna = 0;

    std::vector<OknoKomunikatu> komunikaty;
    std::vector<DialogPliku> dialogiPlikow;

    QStringList Teksty() const;

private:
    std::optional<QString> NastepnyPlik(const DialogPliku& d);
};

} // namespace orbaklaw
