#include "files/PlikZastrzezony.h"

#include "files/NazwyPlikow.h"
#include "platform/TozsamoscPliku.h"

#include <algorithm>
#include <vector>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows.
constexpr int NajwiecejDowiazan = 40;
// A folder is searched this far for a reserved name; the library's own files
// sit among the first entries of any folder a user keeps by hand.
constexpr int NajwiecejWpisow = 100'000;

std::optional<std::string> Zastrzezona(const fs::path& p) {
    // Both reserved names are ASCII, so the UTF-8 spelling of any name tells.
    const std::u8string u8 = p.filename().u8string();
    const std::string nazwa(u8.begin(), u8.end());
    if (NazwaZastrzezona(nazwa))
        return nazwa;
    return std::nullopt;
}

// The reserved file of `folder` that is the file `plik` itself.
std::optional<std::string> TenSamWFolderze(const fs::path& folder, const fs::path& plik) {
    std::error_code ec;
    fs::directory_iterator wpis(folder, ec);
    int ile = 0;
    for (; !ec && wpis != fs::directory_iterator() && ile < NajwiecejWpisow;
         wpis.increment(ec), ++ile) {
        const auto nazwa = Zastrzezona(wpis->path());
        if (nazwa && platform::TenSamPlik(wpis->path(), plik).value_or(false))
            return nazwa;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> PlikZastrzezony(const fs::path& sciezka) {
    fs::path p = sciezka;
    for (int i = 0;; ++i) {
        if (auto nazwa = Zastrzezona(p))
            return nazwa;
        std::error_code ec;
        if (i == NajwiecejDowiazan || !fs::is_symlink(fs::symlink_status(p, ec)))
            break;
        const fs::path cel = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = cel.is_absolute() ? cel : p.parent_path() / cel;
    }
    std::error_code ec;
    if (!fs::is_regular_file(fs::status(p, ec)))
        return std::nullopt;
    std::vector<fs::path> przeszukane;
    for (fs::path folder : {p.parent_path(), sciezka.parent_path(), fs::path(".")}) {
        if (folder.empty())
            folder = ".";
        if (std::find(przeszukane.begin(), przeszukane.end(), folder) != przeszukane.end())
            continue;
        przeszukane.push_back(folder);
        if (auto nazwa = TenSamWFolderze(folder, p))
            return nazwa;
    }
    return std::nullopt;
}

} // namespace orbaklaw
