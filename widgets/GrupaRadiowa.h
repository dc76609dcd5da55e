#pragma once
// A framed group of radio buttons laid out in columns, column by column, with
// one change action that runs both when the user picks an item and when the
// program sets a different one. From the keyboard it behaves as a Windows
// radio group: Tab lands on the checked item, the arrows check the next one.

#include <QGroupBox>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace orbaklaw {

class GrupaRadiowa : public QGroupBox {
    Q_OBJECT

public:
    GrupaRadiowa(const QString& tytul, const QStringList& pozycje, int kolumny, QWidget* rodzic);

    int ItemIndex() const { return indeks_; }
    // Runs the change action (klikniecie) when the item changes.
    void UstawItemIndex(int indeks);

    QRadioButton* Przycisk(int indeks) const;
    int Liczba() const { return static_cast<int>(przyciski_.size()); }

    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

signals:
    void klikniecie();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Wybrano(int indeks);
    void UstawFokusTab();
    void Rozmiesc();
    std::vector<int> SzerokosciKolumn() const;

    QButtonGroup* grupa_;
    std::vector<QRadioButton*> przyciski_;
    int kolumny_;
    int indeks_ = -1;
};

} // namespace orbaklaw
