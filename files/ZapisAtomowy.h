#pragma once
// Replaces one of the user's files as a whole. The new content goes to a
// temporary file beside the target, reaches the disk, takes the target's
// rights and owner, and only then takes the target's name: a failed or
// interrupted save never leaves a truncated file in place of a good one.
//
// - A symbolic link is followed: its final target is replaced (in the
//   target's own folder) and the link stays a link.
// - A target with several hard links is rewritten in place once the whole
//   new content is safely on disk beside it, so every name sees the new
//   content.
// - A read-only target, a folder, a device or a FIFO is refused.
// - A temporary file left by an interrupted save of the same target is
//   removed by the next save.

#include <filesystem>
#include <string>
#include <string_view>

#include <sys/stat.h>

namespace orbaklaw {

// The temporary file of a save of `cel` (at most 255 bytes of name, beside it).
std::filesystem::path PlikTymczasowyZapisu(const std::filesystem::path& cel);

class ZapisAtomowy {
public:
    // Checks the target and opens the temporary file. Throws
    // BladWejsciaWyjscia when the target can't or mustn't be replaced.
    explicit ZapisAtomowy(const std::filesystem::path& plik);
    // An unfinished save is dropped; the target stays as it was.
    ~ZapisAtomowy();
    ZapisAtomowy(const ZapisAtomowy&) = delete;
    ZapisAtomowy& operator=(const ZapisAtomowy&) = delete;

    // Throws BladWejsciaWyjscia (a full disk, ...).
    void Dopisz(std::string_view dane);
    // Puts the new content in the target's place. Throws BladWejsciaWyjscia;
    // the target is then as it was.
    void Zatwierdz();

private:
    void PrzejmijWlasciwosciCelu();
    void Porzuc() noexcept;
    void Przepisz();
    [[noreturn]] void Blad(int numer);

    std::filesystem::path plik_; // as the caller named it, for messages
    std::filesystem::path cel_;  // the file really replaced
    std::filesystem::path tymczasowy_;
    struct stat stanCelu_ {};
    bool celIstnieje_ = false;
    int fd_ = -1;
};

} // namespace orbaklaw
