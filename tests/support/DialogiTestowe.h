#pragma once
// Dialogs that answer from a script and remember what they were asked.

#include "ui/DialogiQt.h"

#include <QStringList>

#include <memory>

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

    // The real Qt boxes and file dialogs instead of queued answers, for
    // tests that press keys in them (NaOknie); what they were asked is
    // still recorded.
    bool prawdziweKomunikaty = false;
    bool prawdziwePliki = false;

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

protected:
    std::optional<QString> Otwarcie(const DialogPliku& d) override;
    std::optional<QString> Zapis(const DialogPliku& d) override;
    std::optional<QString> ZapisObrazu(const DialogPliku& d) override;

private:
    std::optional<QString> NastepnyPlik(const DialogPliku& d);
    DialogiQt& Qt();

    std::unique_ptr<DialogiQt> qt_;
};

} // namespace orbaklaw
