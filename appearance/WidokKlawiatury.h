#pragma once
// The keyboard picture (iWkladka): the image stretched over the area, and
// every mouse press on it reported with its point.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <optional>
#include <vector>

namespace orbaklaw {

// A defined key's mark: its area on the picture and its kind's colour.
struct ZnacznikKlawisza {
    QRect obszar;
    QColor kolor;
};

class WidokKlawiatury : public QWidget {
    Q_OBJECT

public:
    explicit WidokKlawiatury(QWidget* rodzic);

    void UstawObraz(const QImage& obraz);
    const QImage& Obraz() const { return obraz_; }

    // Marks drawn over the picture on the screen only (the saved and printed
    // insert is composed from the template): a small square at the corner of
    // each defined key and an outline around the chosen one.
    void UstawZnaczniki(std::vector<ZnacznikKlawisza> znaczniki, std::optional<QRect> wybrany);
    const std::vector<ZnacznikKlawisza>& Znaczniki() const { return znaczniki_; }
    const std::optional<QRect>& Wybrany() const { return wybrany_; }

    // The label fields whose texts the insert would cut: a red bar is drawn
    // just right of each, on the screen only.
    void UstawZaDlugie(std::vector<QRect> pola);
    const std::vector<QRect>& ZaDlugie() const { return zaDlugie_; }

signals:
    // Any button; the point is in picture (and so window) coordinates.
    void nacisniecie(QPoint punkt);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QImage obraz_;
    std::vector<ZnacznikKlawisza> znaczniki_;
    std::optional<QRect> wybrany_;
    std::vector<QRect> zaDlugie_;
};

} // namespace orbaklaw
