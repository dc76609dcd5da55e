#pragma once
// The system's part of the single-instance guard on Windows: a named mutex
// that the first copy creates and owns while it runs, and the first copy's
// window, found by its class and caption, restored and brought forward.

#include <string>

namespace orbaklaw::platform {

class JedynaKopia {
public:
    // Creates the mutex `nazwa` (single-byte name), owned by this copy
    // from the start. Whatever the system returns is kept and closed later.
    explicit JedynaKopia(const std::string& nazwa);
    // Closes the handle, ignoring a failure; the mutex goes with the last one.
    ~JedynaKopia();
    JedynaKopia(const JedynaKopia&) = delete;
    JedynaKopia& operator=(const JedynaKopia&) = delete;

    // True when another copy had created the mutex before this one.
    bool InnaKopiaDziala() const { return innaKopia_; }

    // The top-level window of class `klasa` captioned `tytul`: restored
    // when iconic, then brought to the foreground. False when there is none.
    static bool PrzywolajOkno(const char* klasa, const char* tytul);

private:
    void* uchwyt_ = nullptr;
    bool innaKopia_ = false;
};

} // namespace orbaklaw::platform
