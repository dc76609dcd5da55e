#pragma once
// The temporary files of saves. Each save writes a file of its own beside
// the target, created exclusively under a name that carries the writer's
// process number and a random part, and holds a lock on it while it lives.
// A file of that kind that no writer holds any more was left by an
// interrupted save and may go.

#include <filesystem>

namespace orbaklaw {

// The name every temporary file of a save of `cel` starts with (beside it);
// a save adds ".PID-RANDOM" to it, staying within 255 bytes of name.
std::filesystem::path PlikTymczasowyZapisu(const std::filesystem::path& cel);

struct PlikTymczasowy {
    int fd = -1; // open for writing, locked; -1 with errno set on a failure
    std::filesystem::path sciezka;
};

// Creates a new temporary file for a save of `cel` with the rights `prawa`
// (Linux) and locks it.
PlikTymczasowy UtworzPlikTymczasowy(const std::filesystem::path& cel, unsigned prawa);

// Removes the temporary files of saves of `cel` whose writers are gone.
void UsunPorzuconePliki(const std::filesystem::path& cel);

} // namespace orbaklaw
