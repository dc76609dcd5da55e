#pragma once
// The function table of a register library: looked up in the library file
// when first needed (every function at once, so that a missing one is named
// before anything is called), or handed in by a test. The library stays
// loaded while the table lives.

#include "comm/BibliotekaDynamiczna.h"

#include <memory>
#include <optional>

namespace orbaklaw {

template <typename Tabela> class TabelaFunkcji {
public:
    // Fills the table from the loaded library; the first function missing
    // goes to `brak`.
    using Wypelnij = void (*)(const BibliotekaDynamiczna& biblioteka, Tabela& tabela,
                              std::optional<BladBiblioteki>& brak);

    TabelaFunkcji(const char* plik, Wypelnij wypelnij) : plik_(plik), wypelnij_(wypelnij) {}
    // The given table (tests); a null entry is a missing function.
    TabelaFunkcji(const char* plik, const Tabela& tabela) : plik_(plik), tabela_(tabela) {}

    ZBiblioteki<const Tabela*> Funkcje() {
        if (tabela_)
            return &*tabela_;
        auto biblioteka = BibliotekaDynamiczna::Zaladuj(SciezkaBiblioteki(plik_));
        if (!biblioteka)
            return biblioteka.Blad();
        Tabela tabela;
        std::optional<BladBiblioteki> brak;
        wypelnij_(**biblioteka, tabela, brak);
        if (brak)
            return *brak;
        biblioteka_ = std::move(*biblioteka);
        tabela_ = tabela;
        return &*tabela_;
    }

    // The function at `pole`, the library loaded first when it isn't yet.
    template <typename F> ZBiblioteki<F> Wymagana(F Tabela::*pole, const char* nazwa) {
        auto funkcje = Funkcje();
        if (!funkcje)
            return funkcje.Blad();
        F f = (*funkcje)->*pole;
        if (!f)
            return BrakFunkcji(nazwa, plik_);
        return f;
    }

    // The table once loaded; none before.
    const std::optional<Tabela>& Zaladowana() const { return tabela_; }

private:
    const char* plik_;
    Wypelnij wypelnij_ = nullptr;
    std::optional<Tabela> tabela_;
    std::shared_ptr<BibliotekaDynamiczna> biblioteka_;
};

} // namespace orbaklaw
