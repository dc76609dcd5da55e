#pragma once
// Every message box, question and standard dialog of the program goes through
// this interface: the program shows the real ones, tests answer from a script.

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QPrinter;

namespace orbaklaw {

class FolderyDialogow;
class PostepWymiany;

enum class Ikona { Brak, Informacja, Ostrzezenie, Blad, Pytanie };
enum class Przyciski { Ok, TakNie, Tak }; // Tak: a single Yes button
enum class Odpowiedz { Ok, Tak, Nie };

struct OknoKomunikatu {
    QString tekst; // line breaks as the texts carry them: CR, LF or CR LF
    QString tytul;
    Ikona ikona = Ikona::Brak;
    Przyciski przyciski = Przyciski::Ok;
    // The button Enter presses in a Yes/No question.
    Odpowiedz domyslna = Odpowiedz::Tak;
};

struct DialogPliku {
    QString filtr;                // "Opis|*.roz|Opis|*.*", as the form design gives it
    QString domyslneRozszerzenie; // added to a typed name without one; may be empty
    QString folder;               // where the dialog opens
    bool wieluPlikow = false;     // several files may be marked; one is reported
    QString nazwa;                // the file name proposed when the dialog opens
    QString rodzaj; // the kind of file whose folder is remembered across runs; empty: none
};

// A font with the colour its texts are drawn in.
struct WyborCzcionki {
    QFont czcionka;
    QColor kolor;
};

class Dialogi {
public:
    virtual ~Dialogi() = default;

    virtual Odpowiedz Pokaz(const OknoKomunikatu& okno) = 0;
    // The file dialogs. A chosen file becomes the folder the dialog opens
    // in next time (and at the next start, for a dialog of a kind that
    // `foldery` remembers); the program's working folder never moves.
    void PamietajFoldery(FolderyDialogow* foldery) { foldery_ = foldery; }
    std::optional<QString> OtworzPlik(DialogPliku& d) { return Zapamietaj(d, Otwarcie(d)); }
    std::optional<QString> ZapiszPlik(DialogPliku& d) { return Zapamietaj(d, Zapis(d)); }
    std::optional<QString> ZapiszObraz(DialogPliku& d) { return Zapamietaj(d, ZapisObrazu(d)); }
    virtual bool Drukuj(QPrinter& drukarka) = 0; // false when cancelled
    // The print preview of the page `rysuj` draws on `drukarka`. True when
    // the user goes on to print, false when the preview is closed.
    virtual bool Podglad(QPrinter& drukarka, const std::function<void(QPrinter&)>& rysuj) = 0;
    virtual std::optional<WyborCzcionki> Czcionka(const WyborCzcionki& poczatkowa) = 0;
    // Shows one of the program's own dialogs modally (the communication
    // dialog); returns its result code.
    virtual int Modalnie(QDialog& okno) = 0;
    // The progress box of one register exchange, shown modally until the
    // object is destroyed; `tekst` says what the exchange does.
    virtual std::unique_ptr<PostepWymiany> Postep(const QString& tekst) = 0;

    // The kinds of box the program uses.
    void Komunikat(const QString& tekst);   // plain: no icon, OK, the program's name as caption
    void Blad(const QString& tekst);        // error icon, caption "Error", OK
    void Ostrzezenie(const QString& tekst); // warning icon, caption "Warning", OK
    // Question icon, Yes/No; true on Yes. `domyslna` is what Enter answers.
    bool Pytanie(const QString& tekst, const QString& tytul, Odpowiedz domyslna = Odpowiedz::Tak);

protected:
    // The file dialogs themselves: the file chosen, none when cancelled.
    virtual std::optional<QString> Otwarcie(const DialogPliku& d) = 0;
    virtual std::optional<QString> Zapis(const DialogPliku& d) = 0;
    virtual std::optional<QString> ZapisObrazu(const DialogPliku& d) = 0;

private:
    std::optional<QString> Zapamietaj(DialogPliku& d, std::optional<QString> plik);

    FolderyDialogow* foldery_ = nullptr;
};

// Caption of the plain message box: the program's name.
inline constexpr char TytulProgramu[] = "orbaklaw";

} // namespace orbaklaw
