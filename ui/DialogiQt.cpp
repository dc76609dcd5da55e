#include "ui/DialogiQt.h"

#include "ui/OknoCzcionki.h"
#include "ui/OknoPodgladu.h"
#include "ui/PostepWymianyQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

#include <algorithm>

namespace orbaklaw {

namespace {
QMessageBox::Icon IkonaQt(Ikona i) {
    switch (i) {
    case Ikona::Informacja:
        return QMessageBox::Information;
    case Ikona::Ostrzezenie:
        return QMessageBox::Warning;
    case Ikona::Blad:
        return QMessageBox::Critical;
    case Ikona::Pytanie:
        return QMessageBox::Question;
    case Ikona::Brak:
        break;
    }
    return QMessageBox::NoIcon;
}

// The texts break lines with a lone CR as Windows did; Qt wants LF.
QString ZLamaniemLinii(QString tekst) {
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tekst.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return tekst;
}

QDialog::DialogCode Wykonaj(QFileDialog& dialog) {
    return static_cast<QDialog::DialogCode>(dialog.exec());
}

// The file marked first when several are.
QString Wybrany(const QFileDialog& dialog) {
    return dialog.selectedFiles().value(0);
}
} // namespace

DialogiQt::DialogiQt(QWidget* rodzic) : rodzic_(rodzic) {}

namespace {
// The progress boxes step aside while a message box asks between two calls.
class PostepyNaBok {
public:
    explicit PostepyNaBok(const std::vector<PostepWymianyQt*>& otwarte)
        : otwarte_(otwarte), wstrzymane_(otwarte) {
        for (auto* p : wstrzymane_)
            p->Wstrzymaj();
    }
    ~PostepyNaBok() {
        // Only those still alive come back.
        for (auto* p : wstrzymane_)
            if (std::find(otwarte_.begin(), otwarte_.end(), p) != otwarte_.end())
                p->Wznow();
    }
    PostepyNaBok(const PostepyNaBok&) = delete;
    PostepyNaBok& operator=(const PostepyNaBok&) = delete;

private:
    const std::vector<PostepWymianyQt*>& otwarte_;
    std::vector<PostepWymianyQt*> wstrzymane_;
};
} // namespace

Odpowiedz DialogiQt::Pokaz(const OknoKomunikatu& okno) {
    const PostepyNaBok naBok(postepy_);
    QMessageBox box(IkonaQt(okno.ikona), okno.tytul, ZLamaniemLinii(okno.tekst),
                    QMessageBox::NoButton, rodzic_);
    if (okno.przyciski == Przyciski::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Odpowiedz::Ok;
    }
    QPushButton* tak = box.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
    QPushButton* nie = nullptr;
    if (okno.przyciski == Przyciski::TakNie)
        nie = box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
    box.setDefaultButton(nie != nullptr && okno.domyslna == Odpowiedz::Nie ? nie : tak);
    box.exec();
    return box.clickedButton() == tak ? Odpowiedz::Tak : Odpowiedz::Nie;
}

QString DialogiQt::FiltrQt(const QString& filtr) {
    const QStringList czesci = filtr.split(QLatin1Char('|'));
    QStringList filtry;
    for (qsizetype i = 0; i + 1 < czesci.size(); i += 2) {
        QString wzorce = czesci[i + 1];
        wzorce.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString wNawiasie = QStringLiteral("(") + wzorce + QLatin1Char(')');
        // "Bitmaps (*.bmp)" already shows its pattern; Qt reads it from there.
        if (czesci[i].trimmed().endsWith(wNawiasie))
            filtry << czesci[i];
        else
            filtry << czesci[i] + QLatin1Char(' ') + wNawiasie;
    }
    return filtry.join(QStringLiteral(";;"));
}

std::optional<QString> DialogiQt::Otwarcie(const DialogPliku& d) {
    QFileDialog dialog(rodzic_, QStringLiteral("Otwórz"), d.folder, FiltrQt(d.filtr));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(d.wieluPlikow ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(d.domyslneRozszerzenie);
    if (Wykonaj(dialog) != QDialog::Accepted)
        return std::nullopt;
    return Wybrany(dialog);
}

std::optional<QString> DialogiQt::PlikDoZapisu(const DialogPliku& d, const QString& tytul) {
    QFileDialog dialog(rodzic_, tytul, d.folder, FiltrQt(d.filtr));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Files are replaced without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(d.domyslneRozszerzenie);
    if (!d.nazwa.isEmpty())
        dialog.selectFile(d.nazwa);
    if (Wykonaj(dialog) != QDialog::Accepted)
        return std::nullopt;
    return Wybrany(dialog);
}

std::optional<QString> DialogiQt::Zapis(const DialogPliku& d) {
    return PlikDoZapisu(d, QStringLiteral("Zapisz jako"));
}

std::optional<QString> DialogiQt::ZapisObrazu(const DialogPliku& d) {
    return PlikDoZapisu(d, QStringLiteral("Zapisz obraz jako"));
}

bool DialogiQt::Drukuj(QPrinter& drukarka) {
    QPrintDialog dialog(&drukarka, rodzic_);
    return dialog.exec() == QDialog::Accepted;
}

bool DialogiQt::Podglad(QPrinter& drukarka, const std::function<void(QPrinter&)>& rysuj) {
    OknoPodgladu okno(drukarka, rysuj, rodzic_);
    return okno.exec() == QDialog::Accepted;
}

std::optional<WyborCzcionki> DialogiQt::Czcionka(const WyborCzcionki& poczatkowa) {
    OknoCzcionki okno(poczatkowa, rodzic_);
    if (okno.exec() != QDialog::Accepted)
        return std::nullopt;
    return okno.Wybor();
}

int DialogiQt::Modalnie(QDialog& okno) {
    return okno.exec();
}

std::unique_ptr<PostepWymiany> DialogiQt::Postep(const QString& tekst) {
    // Over the communication dialog when the link test runs from it.
    QWidget* nad = QApplication::activeModalWidget();
    return std::make_unique<PostepWymianyQt>(nad != nullptr ? nad : rodzic_, tekst, postepy_);
}

} // namespace orbaklaw
