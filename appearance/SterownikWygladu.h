#pragma once
// The label-file and printing buttons of "Wygląd klawiatury": reading and
// saving label files, printing the insert and choosing its font.

#include <QObject>

namespace orbaklaw {

class Dialogi;
class TForm3;

class SterownikWygladu : public QObject {
    Q_OBJECT

public:
    SterownikWygladu(TForm3& okno, Dialogi& dialogi);

    void bbDrukujClick();
    void BitBtnOdczytClick();
    void BitBtn1Click();
    void bCzcionkaClick();

private:
    [[maybe_unused]] TForm3& okno_; // for the work still to come
    [[maybe_unused]] Dialogi& dialogi_;
};

} // namespace orbaklaw
