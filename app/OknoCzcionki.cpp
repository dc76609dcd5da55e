#include "app/OknoCzcionki.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbaklaw {

OknoCzcionki::OknoCzcionki(const WyborCzcionki& poczatkowa, QWidget* rodzic)
    : QDialog(rodzic), czcionka_(new QFontDialog(poczatkowa.czcionka, this)),
      kolorPrzycisk_(new QPushButton(this)), kolor_(poczatkowa.kolor) {
    setWindowTitle(QStringLiteral("Czcionka"));
    czcionka_->setOptions(QFontDialog::NoButtons);
    czcionka_->setWindowFlags(Qt::Widget);

    auto* wiersz = new QHBoxLayout;
    wiersz->addWidget(new QLabel(QStringLiteral("Kolor:"), this));
    wiersz->addWidget(kolorPrzycisk_);
    wiersz->addStretch();
    connect(kolorPrzycisk_, &QPushButton::clicked, this, &OknoCzcionki::WybierzKolor);
    PokazKolor();

    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    przyciski->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(czcionka_);
    uklad->addLayout(wiersz);
    uklad->addWidget(przyciski);
}

WyborCzcionki OknoCzcionki::Wybor() const {
    return {czcionka_->currentFont(), kolor_};
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
