#pragma once
// The folder each kind of file was last chosen in, remembered across runs in
// one small file of the user's settings:
//
//   <settings folder>/orbaklaw/foldery.txt
//
// Lines end in CR LF; each is a kind, a TAB and the folder (UTF-8). The
// file dialogs of that kind open there at the next start when the folder
// still exists. A file that can't be read or written only means nothing is
// remembered.

#include <QString>

#include <filesystem>
#include <map>
#include <optional>

namespace orbaklaw {

class FolderyDialogow {
public:
    // `plik` is the file; none: nothing is remembered.
    explicit FolderyDialogow(std::optional<std::filesystem::path> plik);

    // The file in the user's settings folder, where the system names one.
    static std::optional<std::filesystem::path> PlikUzytkownika();

    // The folder last remembered for `rodzaj`, when it is still there.
    std::optional<QString> Folder(const QString& rodzaj) const;
    void Zapamietaj(const QString& rodzaj, const QString& folder);

private:
    std::optional<std::filesystem::path> plik_;
    std::map<QString, QString> foldery_;
};

} // namespace orbaklaw
