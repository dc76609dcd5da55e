#include "ui/Dialogi.h"

#include "ui/FolderyDialogow.h"

#include <QFileInfo>

namespace orbaklaw {

void Dialogi::Komunikat(const QString& tekst) {
    Pokaz({tekst, QString::fromLatin1(TytulProgramu), Ikona::Brak, Przyciski::Ok});
}

void Dialogi::Blad(const QString& tekst) {
    Pokaz({tekst, QStringLiteral("Error"), Ikona::Blad, Przyciski::Ok});
}

void Dialogi::Ostrzezenie(const QString& tekst) {
    Pokaz({tekst, QStringLiteral("Warning"), Ikona::Ostrzezenie, Przyciski::Ok});
}

bool Dialogi::Pytanie(const QString& tekst, const QString& tytul, Odpowiedz domyslna) {
    return Pokaz({tekst, tytul, Ikona::Pytanie, Przyciski::TakNie, domyslna}) == Odpowiedz::Tak;
}

std::optional<QString> Dialogi::Zapamietaj(DialogPliku& d, std::optional<QString> plik) {
    if (!plik)
        return plik;
    d.folder = QFileInfo(*plik).absolutePath();
    if (foldery_ != nullptr)
        foldery_->Zapamietaj(d.rodzaj, d.folder);
    return plik;
}

} // namespace orbaklaw
