#pragma once
// The register link: the communication parameters dialog behind
// "Połączenie" and the one-time start-up query.

#include <QObject>

namespace orbaklaw {

class Dialogi;
class TForm3;

class SterownikKomunikacji : public QObject {
    Q_OBJECT

public:
    SterownikKomunikacji(TForm3& okno, Dialogi& dialogi);

    // Creates the hidden communication dialog; it lives until the end.
    void UtworzOknoKomunik();
    void Button4Click();
    // Shows the communication dialog modally; the caller goes on when it
    // closes (after a save or a cancel).
    void PokazOknoKomunik();
    // Asks whether to read goods, payments and definitions from the register.
    void OdczytStartowy();

private:
    [[maybe_unused]] TForm3& okno_; // for the work still to come
    [[maybe_unused]] Dialogi& dialogi_;
};

} // namespace orbaklaw
