#include "ui/OknoPodgladu.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orbaklaw {

OknoPodgladu::OknoPodgladu(QPrinter& drukarka, std::function<void(QPrinter&)> rysuj,
                           QWidget* rodzic)
    : QDialog(rodzic), podglad_(new QPrintPreviewWidget(&drukarka, this)),
      rysuj_(std::move(rysuj)) {
    setWindowTitle(QStringLiteral("Podgląd wydruku"));
    connect(podglad_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { rysuj_(*p); });

    auto* przyciskiWidoku = new QHBoxLayout;
    const auto dodaj = [this, przyciskiWidoku](const QString& tekst, auto akcja) {
        auto* przycisk = new QPushButton(tekst, this);
        przycisk->setAutoDefault(false);
        connect(przycisk, &QPushButton::clicked, this, akcja);
        przyciskiWidoku->addWidget(przycisk);
    };
    dodaj(QStringLiteral("Rzeczywisty rozmiar"), [this] { RzeczywistyRozmiar(); });
    dodaj(QStringLiteral("Cała strona"), [this] { podglad_->fitInView(); });
    dodaj(QStringLiteral("Powiększ"), [this] { podglad_->zoomIn(); });
    dodaj(QStringLiteral("Pomniejsz"), [this] { podglad_->zoomOut(); });
    przyciskiWidoku->addStretch();

    auto* przyciski = new QDialogButtonBox(this);
    przyciski->addButton(QStringLiteral("Drukuj..."), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    przyciski->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole);
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(przyciskiWidoku);
    uklad->addWidget(podglad_, 1);
    uklad->addWidget(przyciski);
    resize(900, 760);
    RzeczywistyRozmiar();
}

double OknoPodgladu::SkalaRzeczywista() const {
    const QScreen* ekran = screen();
    if (ekran == nullptr || ekran->physicalSize().isEmpty() || ekran->logicalDotsPerInchX() <= 0)
        return 1.0;
    return ekran->physicalDotsPerInchX() / ekran->logicalDotsPerInchX();
}

void OknoPodgladu::RzeczywistyRozmiar() {
    podglad_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    podglad_->setZoomFactor(SkalaRzeczywista());
}

} // namespace orbaklaw
