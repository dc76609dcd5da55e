#pragma once
// A shared library loaded at run time (found by SciezkaBiblioteki), and the
// error that a missing library or function becomes.

#include "comm/FolderyProgramu.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace orbaklaw {

// A register library or one of its functions can't be used; the message is
// Polish (Windows-1250) and names the file and the function.
class BladBiblioteki : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The error of the function `funkcja` missing from the library `biblioteka`.
BladBiblioteki BrakFunkcji(const std::string& funkcja, const std::string& biblioteka);

class BibliotekaDynamiczna {
public:
    // Loads the library; throws BladBiblioteki when it can't be loaded.
    explicit BibliotekaDynamiczna(const std::filesystem::path& plik);
    ~BibliotekaDynamiczna();
    BibliotekaDynamiczna(const BibliotekaDynamiczna&) = delete;
    BibliotekaDynamiczna& operator=(const BibliotekaDynamiczna&) = delete;

    // The address of an exported function; throws BladBiblioteki when missing.
    void* Symbol(const char* nazwa) const;
    // The address of a function the library may lack; null when it does.
    void* Opcjonalny(const char* nazwa) const;

    template <typename Funkcja> Funkcja Funkcja_(const char* nazwa) const {
        return reinterpret_cast<Funkcja>(Symbol(nazwa));
    }

private:
    std::filesystem::path plik_;
    void* uchwyt_ = nullptr;
};

} // namespace orbaklaw
