#pragma once
// The register-protocol library as the program calls it: one call per
// exchange, file names turned into fixed string buffers, the one-byte
// result returned (the register session keeps it as KodBledu).
//
// The functions are found when first needed: in libkasdrv.so in the
// program's folder, or in a table a test hands in. A library or function
// that is missing, or a name longer than 255 bytes, is a BladBiblioteki
// ; nothing is called with a bad buffer.

#include "comm/TabelaFunkcji.h"
#include "comm/WykonawcaWywolan.h"
#include "orbaklaw/kasdrv.h"
#include "platform/NazwyBibliotek.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace orbaklaw {

// Called with the library's calling convention (KASDRV_WYWOLANIE, a
// setting of the build on 32-bit Windows).
struct FunkcjeKasdrv {
    using Wymiana2 = uint8_t(KASDRV_WYWOLANIE*)(const char*, const char*);
    using Wymiana1 = uint8_t(KASDRV_WYWOLANIE*)(const char*);
    Wymiana2 ODefKlaw = nullptr;
    Wymiana1 ZDefKlaw = nullptr;
    Wymiana1 KDefKlaw = nullptr;
    Wymiana2 TowarMax = nullptr;
    Wymiana2 OPlat = nullptr;
    uint8_t(KASDRV_WYWOLANIE* OtwartoPlik)(int32_t*, const char*, int32_t) = nullptr;
    uint8_t(KASDRV_WYWOLANIE* ZapisanoDoPlikuLinie)(int32_t, const char*) = nullptr;
    uint8_t(KASDRV_WYWOLANIE* ZamknieciePliku)(int32_t*) = nullptr;
    // Optional (our library has it, the maker's has not): the bytes done and
    // expected of the exchange in progress; non-zero while one runs.
    int(KASDRV_WYWOLANIE* PostepWymiany)(uint32_t* zrobione, uint32_t* oczekiwane) = nullptr;
    // Optional as well: the reason of the last exchange's failure beyond its code.
    uint32_t(KASDRV_WYWOLANIE* OpisBledu)(char* opis, uint32_t rozmiar) = nullptr;
};

// The names the register library exports its functions under.
namespace nazwy_kasdrv {
constexpr const char* ODefKlaw = "__ODefKlaw";
constexpr const char* ZDefKlaw = "__ZDefKlaw";
constexpr const char* KDefKlaw = "__KDefKlaw";
constexpr const char* TowarMax = "__TowarMax";
constexpr const char* OPlat = "__OPlat";
constexpr const char* OtwartoPlik = "_OtwartoPlik";
constexpr const char* ZapisanoDoPlikuLinie = "_ZapisanoDoPlikuLinie";
constexpr const char* ZamknieciePliku = "_ZamknieciePliku";
} // namespace nazwy_kasdrv

// The exported names of the optional progress and reason functions.
constexpr const char* NazwaFunkcjiPostepu = "kasdrv_postep";
constexpr const char* NazwaFunkcjiOpisuBledu = "kasdrv_opis_bledu";

class BibliotekaKasdrv {
public:
    // Loads libkasdrv.so from the program's folder when first used.
    BibliotekaKasdrv();
    // Uses the given table (tests); a null entry is a missing function.
    explicit BibliotekaKasdrv(const FunkcjeKasdrv& funkcje);

    ZBiblioteki<uint8_t> ODefKlaw(const std::string& wejscie, const std::string& wyjscie);
    ZBiblioteki<uint8_t> ZDefKlaw(const std::string& plik);
    ZBiblioteki<uint8_t> KDefKlaw(const std::string& plik);
    ZBiblioteki<uint8_t> TowarMax(const std::string& wejscie, const std::string& wyjscie);
    ZBiblioteki<uint8_t> OPlat(const std::string& wejscie, const std::string& wyjscie);

    // The exchanges above go through `wykonawca` (the file helpers do not).
    void UstawWykonawce(WykonawcaWywolan wykonawca) { wykonawca_ = std::move(wykonawca); }
    const WykonawcaWywolan& Wykonawca() const { return wykonawca_; }
    // Bytes done and expected of the exchange in progress, from any thread;
    // none when the library can't tell or no exchange runs.
    std::optional<std::pair<uint64_t, uint64_t>> Postep() const;
    // What the library knows of the last exchange's failure beyond its code
    // (Windows-1250, e.g. that the port is held by another program); empty
    // when nothing or when the library can't tell.
    std::string OpisBledu() const;

    // File helpers (mode 1: write, replacing).
    // None when the library can't open the file.
    ZBiblioteki<std::optional<int32_t>> OtworzPlik(const std::string& nazwa);
    ZBiblioteki<bool> ZapiszLinie(int32_t uchwyt, const std::string& linia);
    // True when the file is in place (every line written and the file completed).
    ZBiblioteki<bool> ZamknijPlik(int32_t& uchwyt);

private:
    ZBiblioteki<uint8_t> Wymiana(OperacjaKasy operacja,
                                 FunkcjeKasdrv::Wymiana2 FunkcjeKasdrv::*pole, const char* nazwa,
                                 const std::string& wejscie, const std::string& wyjscie);
    ZBiblioteki<uint8_t> Wymiana(OperacjaKasy operacja,
                                 FunkcjeKasdrv::Wymiana1 FunkcjeKasdrv::*pole, const char* nazwa,
                                 const std::string& plik);

    WykonawcaWywolan wykonawca_;
    TabelaFunkcji<FunkcjeKasdrv> funkcje_;
};

} // namespace orbaklaw
