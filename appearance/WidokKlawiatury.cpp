#include "appearance/WidokKlawiatury.h"

#include <QMouseEvent>
#include <QPainter>

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
}

void WidokKlawiatury::mousePressEvent(QMouseEvent* e) {
    emit nacisniecie(e->position().toPoint());
    e->accept();
}

} // namespace orbaklaw
