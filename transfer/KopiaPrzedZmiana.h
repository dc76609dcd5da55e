#pragma once
// Before anything is written into the register or deleted in it, the
// register's definitions are read and kept as a definition file in the
// backup folder (KopiaZapasowa). A backup that can't be taken is said
// with its reason, and the user chooses whether to go on; Enter answers No.

#include <QString>

#include <filesystem>
#include <optional>
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

    // Reads the register's definitions ahead, for a question before the
    // change; Zachowaj then keeps them without reading again.
    void Przeczytaj(const std::string& numerKasy);

    // The definitions read for the backup; none when they weren't read.
    const std::optional<std::string>& Odczytane() const { return odczytane_; }
    // The backup file kept; none when none was.
    const std::optional<std::filesystem::path>& PlikKopii() const { return plik_; }

    // The register's definition file as read from register `numerKasy`;
    // none when it can't be read. `powod` then says why (Polish).
    std::optional<std::string> Odczytaj(const std::string& numerKasy, QString* powod = nullptr);

private:
    // Empty when the backup is kept, else why not (Polish).
    QString Wykonaj(const std::string& numerKasy);

    WymianaZKasa& wymiana_;
    Dialogi& dialogi_;
    std::optional<std::string> odczytane_;
    bool przeczytane_ = false;
    QString powod_; // why the read failed
    std::optional<std::filesystem::path> plik_;
};

} // namespace orbaklaw
