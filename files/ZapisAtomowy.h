#pragma once
// Replaces one of the user's files as a whole. The new content goes to a
// temporary file beside the target, reaches the disk, takes the target's
// rights and owner, and only then takes the target's name: a failed or
// interrupted save never leaves a truncated file in place of a good one.
//
// - A symbolic link is followed: its final target is replaced (in the
//   target's own folder) and the link stays a link.
// - A target with several hard links is rewritten in place once the whole
//   new content is safely on disk beside it and the room for it is reserved
//   in the target, so every name sees the new content; a disk too full for
//   that leaves every name with the old content.
// - A read-only target, a folder, a device or a FIFO is refused, and so is
//   a name that is a link (symbolic or hard) to KONFIG.TXT or RAPORT.TXT:
//   those are saved only under their own names.
// - Every save has a temporary file of its own (created exclusively, its
//   name carrying the writer's process number and a random part) and holds
//   a lock on it while it lives: saves of one file at once never disturb
//   each other. A temporary file left by an interrupted save is removed by
//   the next save of the same target once no writer holds it.

#include "files/BladWejsciaWyjscia.h"
#include "files/PlikTymczasowy.h"
#include "platform/StanPliku.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orbaklaw {

class ZapisAtomowy {
public:
    // Nothing is checked or opened before Otworz().
    explicit ZapisAtomowy(const std::filesystem::path& plik) : plik_(plik) {}
    // An unfinished save is dropped; the target stays as it was.
    ~ZapisAtomowy();
    ZapisAtomowy(const ZapisAtomowy&) = delete;
    ZapisAtomowy& operator=(const ZapisAtomowy&) = delete;

    // Checks the target and opens the temporary file; else the reason the
    // target can't or mustn't be replaced.
    WynikPliku<void> Otworz();
    // Else the reason (a full disk, ...).
    WynikPliku<void> Dopisz(std::string_view dane);
    // Brings all the new content to the disk, so that only the change of
    // name is left to do. On a failure the target is as it was.
    WynikPliku<void> Utrwal();
    // Puts the new content in the target's place (Utrwal first when not yet
    // done). On a failure the target is as it was.
    WynikPliku<void> Zatwierdz();

private:
    WynikPliku<void> PrzejmijWlasciwosciCelu();
    void Porzuc() noexcept;
    WynikPliku<void> Przepisz();
    BladWejsciaWyjscia Blad(int numer) const;

    std::filesystem::path plik_; // as the caller named it, for messages
    std::filesystem::path cel_;  // the file really replaced
    std::filesystem::path tymczasowy_;
    platform::StanPliku stanCelu_;
    bool celIstnieje_ = false;
    bool utrwalony_ = false;
    int fd_ = -1; // holds the lock on the temporary file
};

} // namespace orbaklaw
