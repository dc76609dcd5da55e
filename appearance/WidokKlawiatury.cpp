#include "appearance/WidokKlawiatury.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace orbaklaw {

WidokKlawiatury::WidokKlawiatury(QWidget* rodzic) : QWidget(rodzic) {
    setObjectName(QStringLiteral("iWkladka"));
    setAttribute(Qt::WA_OpaquePaintEvent); // the picture covers the whole area
}

void WidokKlawiatury::UstawObraz(const QImage& obraz) {
    obraz_ = obraz;
    update();
}

void WidokKlawiatury::paintEvent(QPaintEvent*) {
    QPainter malarz(this);
    malarz.setRenderHint(QPainter::SmoothPixmapTransform);
    if (obraz_.isNull())
        malarz.fillRect(rect(), palette().window());
    else
        malarz.drawImage(rect(), obraz_);
    // The label fields lie over the keys: the marks stand just outside them.
    for (const auto& z : znaczniki_)
        malarz.fillRect(QRect(z.obszar.left() - 4, z.obszar.top() - 4, 7, 7), z.kolor);
    // Clear of the chosen key's outline, in the gap before the next key.
    for (const auto& pole : zaDlugie_)
        malarz.fillRect(QRect(pole.right() + 4, pole.top(), 3, pole.height()), QColor(Qt::red));
    if (wybrany_) {
        malarz.setPen(QPen(QColor(0, 0, 160), 2));
        malarz.setBrush(Qt::NoBrush);
        malarz.drawRect(wybrany_->adjusted(-2, -2, 1, 1));
    }
}

void WidokKlawiatury::UstawZnaczniki(std::vector<ZnacznikKlawisza> znaczniki,
                                     std::optional<QRect> wybrany) {
    znaczniki_ = std::move(znaczniki);
    wybrany_ = wybrany;
    update();
}

void WidokKlawiatury::UstawZaDlugie(std::vector<QRect> pola) {
    if (pola == zaDlugie_)
        return;
    zaDlugie_ = std::move(pola);
    update();
}

void WidokKlawiatury::mousePressEvent(QMouseEvent* e) {
    emit nacisniecie(e->position().toPoint());
    e->accept();
}

} // namespace orbaklaw
