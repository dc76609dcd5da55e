#pragma once
// "Kopie zapasowe" (menu "Kasa"): the register's backups, newest first, with
// the time each was taken, how many keys it defines and how many differ
// from the tables. "Porównaj" lists those keys, "Wczytaj" closes the window
// to load the chosen one into the tables, "Otwórz folder" shows the folder
// in the desktop's file manager.

#include "transfer/ListaKopii.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QTreeWidget;

namespace orbaklaw {

class Dialogi;
struct StanProgramu;

class OknoKopii : public QDialog {
    Q_OBJECT

public:
    OknoKopii(QWidget* rodzic, Dialogi& dialogi, std::filesystem::path folder,
              std::vector<KopiaKasy> kopie, const StanProgramu& stan);

    QTreeWidget* Lista() const { return lista_; }
    // The backup "Wczytaj" chose; none when the window was closed.
    const std::optional<std::filesystem::path>& DoWczytania() const { return doWczytania_; }

private:
    const KopiaKasy* Wybrana() const;
    void Porownaj();
    void Wczytaj();
    void OtworzFolder();

    Dialogi& dialogi_;
    std::filesystem::path folder_;
    std::vector<KopiaKasy> kopie_;
    const StanProgramu& stan_;
    QTreeWidget* lista_ = nullptr;
    std::optional<std::filesystem::path> doWczytania_;
};

} // namespace orbaklaw
