#pragma once
// The keyboard picture (iWkladka): the image stretched over the area, and
// every mouse press on it reported with its point.

#include <QImage>
#include <QWidget>

namespace orbaklaw {

class WidokKlawiatury : public QWidget {
    Q_OBJECT

public:
    explicit WidokKlawiatury(QWidget* rodzic);

    void UstawObraz(const QImage& obraz);
    const QImage& Obraz() const { return obraz_; }

signals:
    // Any button; the point is in picture (and so window) coordinates.
    void nacisniecie(QPoint punkt);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QImage obraz_;
};

} // namespace orbaklaw
