#pragma once
// The current folder changed for a while: the one before comes back when
// the change ends, whatever happens meanwhile.

#include <filesystem>

namespace orbaklaw::platform {

class ZmianaFolderu {
public:
    // Makes `folder` the current one; Blad() tells whether it failed.
    explicit ZmianaFolderu(const std::filesystem::path& folder);
    // The folder before comes back (a failure is ignored).
    ~ZmianaFolderu();
    ZmianaFolderu(const ZmianaFolderu&) = delete;
    ZmianaFolderu& operator=(const ZmianaFolderu&) = delete;

    // The errno value of the failed change; 0 when the folder is current.
    int Blad() const { return blad_; }

private:
    int blad_ = 0;
#ifdef _WIN32
    std::filesystem::path poprzedni_;
#else
    int poprzedni_ = -1;
#endif
};

} // namespace orbaklaw::platform
