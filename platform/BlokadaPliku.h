#pragma once
// Files held by one client at a time: a lock that goes with the open file,
// so it ends when the holder closes the file or dies.

namespace orbaklaw::platform {

// Opens the lock file, creating it readable by this user only; -1 when it
// can't be opened.
int OtworzPlikBlokady(const char* sciezka);

// Takes the open file for this client alone, without waiting; false when
// another client holds it.
[[nodiscard]] bool ZablokujWylacznie(int plik);

// The same, waiting while another client holds it; false on an error.
[[nodiscard]] bool ZablokujCzekajac(int plik);

// Closes a file opened by OtworzPlikBlokady; its lock goes with it.
void ZamknijPlikBlokady(int plik);

} // namespace orbaklaw::platform
