#pragma once
// The real dialogs, shown over the main window.

#include "ui/Dialogi.h"

#include <vector>

class QWidget;

namespace orbaklaw {

class PostepWymianyQt;

class DialogiQt : public Dialogi {
public:
    explicit DialogiQt(QWidget* rodzic = nullptr);
    void UstawRodzica(QWidget* rodzic) { rodzic_ = rodzic; }

    Odpowiedz Pokaz(const OknoKomunikatu& okno) override;
    bool Drukuj(QPrinter& drukarka) override;
    bool Podglad(QPrinter& drukarka, const std::function<void(QPrinter&)>& rysuj) override;
    std::optional<WyborCzcionki> Czcionka(const WyborCzcionki& poczatkowa) override;
    int Modalnie(QDialog& okno) override;
    std::unique_ptr<PostepWymiany> Postep(const QString& tekst) override;

    // "Opis|*.a|Opis|*.*" as Qt's "Opis (*.a);;Opis (*.*)"; a description
    // that ends in its own patterns ("Opis (*.a)|*.a") is taken as it is.
    static QString FiltrQt(const QString& filtr);

    // The bare Qt file dialogs (tests press keys in them).
    std::optional<QString> Otwarcie(const DialogPliku& d) override;
    std::optional<QString> Zapis(const DialogPliku& d) override;
    std::optional<QString> ZapisObrazu(const DialogPliku& d) override;

private:
    std::optional<QString> PlikDoZapisu(const DialogPliku& d, const QString& tytul);

    QWidget* rodzic_;
    std::vector<PostepWymianyQt*> postepy_; // progress boxes alive
};

} // namespace orbaklaw
