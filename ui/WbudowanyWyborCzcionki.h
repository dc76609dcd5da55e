#pragma once
// Qt's font chooser as a part of another dialog: Enter and Escape inside it
// (its lists take Enter as "done") end the dialog it sits in instead of
// hiding the chooser alone. A face chosen by typing its name keeps the
// style the user chose, though the faces passed on the way lack it.

#include <QFontDialog>

class QListView;

namespace orbaklaw {

class WbudowanyWyborCzcionki : public QFontDialog {
    Q_OBJECT

public:
    WbudowanyWyborCzcionki(const QFont& czcionka, QDialog& okno);

    void done(int wynik) override;

protected:
    // Enter goes on to the dialog around, whose default button is OK.
    void keyPressEvent(QKeyEvent* e) override;

private:
    void PilnujStylu(const QFont& czcionka);
    // Chooses in the face now shown the style the user chose, or one of
    // its weight and slant.
    void PrzywrocStyl();
    QString StylNaLiscie() const;

    QDialog& okno_;
    QListView* rodziny_ = nullptr;
    QListView* style_ = nullptr;
    QString rodzina_;
    QString styl_; // the style the user chose, by name
    int waga_ = 0;
    bool kursywa_ = false;
    bool przywracanie_ = false;
};

} // namespace orbaklaw
