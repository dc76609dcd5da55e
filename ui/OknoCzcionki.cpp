#include "ui/OknoCzcionki.h"

#include "ui/WbudowanyWyborCzcionki.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbaklaw {

namespace {
// The font the chooser can list for `czcionka`: the family and style that
// really draw it ("MS Sans Serif" is drawn by a stand-in the chooser knows).
QFont Pokazana(const QFont& czcionka) {
    const QFontInfo rysowana(czcionka);
    QFont pokazana(rysowana.family());
    pokazana.setStyleName(rysowana.styleName());
    pokazana.setPointSizeF(rysowana.pointSizeF());
    pokazana.setUnderline(czcionka.underline());
    pokazana.setStrikeOut(czcionka.strikeOut());
    return pokazana;
}
} // namespace

OknoCzcionki::OknoCzcionki(const WyborCzcionki& poczatkowa, QWidget* rodzic)
    : QDialog(rodzic), poczatkowa_(poczatkowa.czcionka),
      czcionka_(new WbudowanyWyborCzcionki(Pokazana(poczatkowa.czcionka), *this)),
      kolorPrzycisk_(new QPushButton(this)), kolor_(poczatkowa.kolor) {
    setWindowTitle(QStringLiteral("Czcionka"));
    pokazana_ = czcionka_->currentFont();

    auto* wiersz = new QHBoxLayout;
    wiersz->addWidget(new QLabel(QStringLiteral("Kolor:"), this));
    wiersz->addWidget(kolorPrzycisk_);
    wiersz->addStretch();
    connect(kolorPrzycisk_, &QPushButton::clicked, this, &OknoCzcionki::WybierzKolor);
    PokazKolor();

    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    przyciski->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    // Enter in any field of the chooser means OK.
    przyciski->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(czcionka_);
    uklad->addLayout(wiersz);
    uklad->addWidget(przyciski);
}

// What the user changed is put on the font in use; a new face is taken as
// the chooser gives it.
WyborCzcionki OknoCzcionki::Wybor() const {
    const QFont teraz = czcionka_->currentFont();
    if (teraz.family() != pokazana_.family())
        return {teraz, kolor_};
    QFont wynik = poczatkowa_;
    if (teraz.styleName() != pokazana_.styleName()) {
        wynik.setWeight(teraz.weight());
        wynik.setItalic(teraz.italic());
    }
    if (teraz.pointSizeF() != pokazana_.pointSizeF())
        wynik.setPointSizeF(teraz.pointSizeF());
    if (teraz.underline() != pokazana_.underline())
        wynik.setUnderline(teraz.underline());
    if (teraz.strikeOut() != pokazana_.strikeOut())
        wynik.setStrikeOut(teraz.strikeOut());
    return {wynik, kolor_};
}

void OknoCzcionki::WybierzKolor() {
    const QColor kolor = QColorDialog::getColor(kolor_, this, QStringLiteral("Kolor"));
    if (kolor.isValid()) {
        kolor_ = kolor;
        PokazKolor();
    }
}

void OknoCzcionki::PokazKolor() {
    QPixmap probka(32, 14);
    probka.fill(kolor_);
    kolorPrzycisk_->setIcon(probka);
    kolorPrzycisk_->setText(kolor_.name());
}

} // namespace orbaklaw
