#pragma once
// A shared library loaded at run time (found by SciezkaBiblioteki), and why
// a library or one of its functions can't be used.

#include "comm/FolderyProgramu.h"
#include "files/Wynik.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace orbaklaw {

// A register library or one of its functions can't be used; `opis` is
// Polish (Windows-1250) and names the file and the function.
struct BladBiblioteki {
    std::string opis;
};

template <typename T> using ZBiblioteki = Wynik<T, BladBiblioteki>;

// The failure of the function `funkcja` missing from the library `biblioteka`.
BladBiblioteki BrakFunkcji(const std::string& funkcja, const std::string& biblioteka);

class BibliotekaDynamiczna {
public:
    // Loads the library; a failure names the file and the system's reason.
    static ZBiblioteki<std::shared_ptr<BibliotekaDynamiczna>>
    Zaladuj(const std::filesystem::path& plik);
    ~BibliotekaDynamiczna();
    BibliotekaDynamiczna(const BibliotekaDynamiczna&) = delete;
    BibliotekaDynamiczna& operator=(const BibliotekaDynamiczna&) = delete;

    // The address of an exported function; a failure when it is missing.
    ZBiblioteki<void*> Symbol(const char* nazwa) const;
    // The address of a function the library may lack; null when it does.
    void* Opcjonalny(const char* nazwa) const;

    // Fills `funkcja` with the exported function `nazwa`; false (and
    // `funkcja` untouched) when it is missing, `brak` then naming it.
    template <typename Funkcja>
    bool Funkcja_(Funkcja& funkcja, const char* nazwa, std::optional<BladBiblioteki>& brak) const {
        auto adres = Symbol(nazwa);
        if (!adres) {
            if (!brak)
                brak = adres.Blad();
            return false;
        }
        funkcja = reinterpret_cast<Funkcja>(*adres);
        return true;
    }

    // Funkcja_ for each pair of a table entry and its exported name.
    template <typename... Pary>
    void Funkcje_(std::optional<BladBiblioteki>& brak, const Pary&... pary) const {
        (Funkcja_(*pary.first, pary.second, brak), ...);
    }

private:
    BibliotekaDynamiczna(std::filesystem::path plik, void* uchwyt)
        : plik_(std::move(plik)), uchwyt_(uchwyt) {}

    std::filesystem::path plik_;
    void* uchwyt_ = nullptr;
};

} // namespace orbaklaw
