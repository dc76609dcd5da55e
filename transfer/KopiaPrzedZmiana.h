#pragma once
// Before anything is written into the register or deleted in it, the
// register's definitions are read and kept as a definition file in the
// backup folder (KopiaZapasowa). A backup that can't be taken is said
// with its reason, and the user chooses whether to go on; Enter answers No.

#include <QString>

#include <string>

namespace orbaklaw {

class Dialogi;
class WymianaZKasa;

class KopiaPrzedZmiana {
public:
    KopiaPrzedZmiana(WymianaZKasa& wymiana, Dialogi& dialogi)
        : wymiana_(wymiana), dialogi_(dialogi) {}

    // True when the operation may go on: the backup of register `numerKasy`
    // is kept, or the user chose to go on without one. `dalej` asks it, as
    // "Czy mimo to ...?".
    bool Zachowaj(const std::string& numerKasy, const QString& dalej);

private:
    // Empty when the backup is kept, else why not (Polish).
    QString Wykonaj(const std::string& numerKasy);

    WymianaZKasa& wymiana_;
    Dialogi& dialogi_;
};

} // namespace orbaklaw
