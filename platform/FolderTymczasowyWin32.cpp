#include "platform/FolderTymczasowy.h"

#include <windows.h>

#include <random>
#include <system_error>

namespace orbaklaw::platform {

std::filesystem::path FolderPlikowTymczasowych() {
    std::error_code ec;
    return std::filesystem::temp_directory_path(ec);
}

std::filesystem::path UtworzFolderTymczasowy(const std::filesystem::path& w,
                                             const std::string& przedrostek,
                                             std::error_code& blad) {
    // CreateDirectory fails on a name that is there, so a folder it makes
    // is this process's alone; under the user's profile only the user may
    // enter it.
    static constexpr char Znaki[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device losowe;
    std::uniform_int_distribution<size_t> znak(0, sizeof Znaki - 2);
    for (int proba = 0; proba < 100; ++proba) {
        std::string nazwa = przedrostek;
        for (int i = 0; i < 6; ++i)
            nazwa += Znaki[znak(losowe)];
        const std::filesystem::path folder = w / nazwa;
        if (::CreateDirectoryW(folder.c_str(), nullptr)) {
            blad.clear();
            return folder;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS) {
            blad.assign(static_cast<int>(::GetLastError()), std::system_category());
            return {};
        }
    }
    blad = std::make_error_code(std::errc::file_exists);
    return {};
}

} // namespace orbaklaw::platform
