#include "ui/FolderyDialogow.h"

#include "files/GraniceOdczytu.h"
#include "files/PlikTekstowy.h"
#include "platform/FolderyUzytkownika.h"

#include <QFileInfo>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {
constexpr GraniceOdczytu GranicePlikuFolderow{64u << 10, 64};
} // namespace

FolderyDialogow::FolderyDialogow(std::optional<fs::path> plik) : plik_(std::move(plik)) {
    std::error_code ec;
    if (!plik_ || !fs::exists(*plik_, ec))
        return;
    const auto linie = CzytajLinie(*plik_, GranicePlikuFolderow);
    if (!linie)
        return; // a file that can't be read remembers nothing
    for (const std::string& linia : *linie) {
        const size_t tab = linia.find('\t');
        if (tab == 0 || tab == std::string::npos || tab + 1 == linia.size())
            continue;
        foldery_[QString::fromUtf8(linia.substr(0, tab))] =
            QString::fromUtf8(linia.substr(tab + 1));
    }
}

std::optional<fs::path> FolderyDialogow::PlikUzytkownika() {
    const auto folder = platform::FolderUstawienUzytkownika();
    if (!folder)
        return std::nullopt;
    return *folder / "orbaklaw" / "foldery.txt";
}

std::optional<QString> FolderyDialogow::Folder(const QString& rodzaj) const {
    const auto it = foldery_.find(rodzaj);
    if (it == foldery_.end() || !QFileInfo(it->second).isDir())
        return std::nullopt;
    return it->second;
}

void FolderyDialogow::Zapamietaj(const QString& rodzaj, const QString& folder) {
    if (rodzaj.isEmpty() || folder.isEmpty() || folder.contains(QLatin1Char('\n')) ||
        folder.contains(QLatin1Char('\r')))
        return;
    if (foldery_[rodzaj] == folder)
        return;
    foldery_[rodzaj] = folder;
    if (!plik_)
        return;
    std::vector<std::string> linie;
    for (const auto& [r, f] : foldery_)
        linie.push_back(r.toStdString() + "\t" + f.toStdString());
    std::error_code ec;
    fs::create_directories(plik_->parent_path(), ec);
    if (!ZapiszAtomowo(*plik_, ZlaczLinie(linie))) {
        // Not remembered this time: the dialogs open in the working folder.
    }
}

} // namespace orbaklaw
