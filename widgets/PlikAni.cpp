#include "widgets/PlikAni.h"

namespace orbaklaw {

namespace {

constexpr uint32_t FlagaIkony = 1;     // frames are ICO/CUR files
constexpr uint32_t FlagaSekwencji = 2; // a seq chunk orders the frames
constexpr size_t RozmiarNaglowkaAni = 36;

uint32_t Dword(std::string_view d, size_t przesuniecie) {
    const auto b = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<uint8_t>(d[przesuniecie + i]));
    };
    return b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
}

struct Fragment {
    std::string_view id;
    std::string_view dane;
};

// Splits a chunk list; nothing if a chunk claims more bytes than are left.
std::optional<std::vector<Fragment>> Fragmenty(std::string_view d) {
    std::vector<Fragment> wynik;
    size_t pos = 0;
    while (pos < d.size()) {
        if (d.size() - pos < 8)
            return std::nullopt;
        const uint32_t rozmiar = Dword(d, pos + 4);
        if (rozmiar > d.size() - pos - 8)
            return std::nullopt;
        wynik.push_back({d.substr(pos, 4), d.substr(pos + 8, rozmiar)});
        pos += 8 + static_cast<size_t>(rozmiar);
        if (rozmiar % 2 != 0 && pos < d.size())
            ++pos; // chunks are padded to an even length
        if (wynik.size() > 4 * NajwiecejKlatekAni)
            return std::nullopt;
    }
    return wynik;
}

struct NaglowekAni {
    uint32_t klatki, kroki, jiffies, flagi;
};

std::optional<NaglowekAni> CzytajNaglowek(std::string_view d) {
    if (d.size() < RozmiarNaglowkaAni || Dword(d, 0) < RozmiarNaglowkaAni)
        return std::nullopt;
    NaglowekAni n{Dword(d, 4), Dword(d, 8), Dword(d, 28), Dword(d, 32)};
    if (n.klatki == 0 || n.klatki > NajwiecejKlatekAni || n.kroki == 0 ||
        n.kroki > NajwiecejKrokowAni || (n.flagi & FlagaIkony) == 0)
        return std::nullopt;
    return n;
}

std::optional<std::vector<uint32_t>> Tablica(std::string_view d, uint32_t ile) {
    if (d.size() != static_cast<size_t>(ile) * 4)
        return std::nullopt;
    std::vector<uint32_t> wynik(ile);
    for (uint32_t i = 0; i < ile; ++i)
        wynik[i] = Dword(d, static_cast<size_t>(i) * 4);
    return wynik;
}

struct Czesci {
    std::optional<NaglowekAni> naglowek;
    std::optional<std::string_view> rate, seq;
    std::vector<std::string> klatki;
};

bool CzytajKlatki(std::string_view lista, std::vector<std::string>& klatki) {
    const auto fragmenty = Fragmenty(lista);
    if (!fragmenty)
        return false;
    for (const Fragment& f : *fragmenty) {
        if (f.id != "icon")
            continue;
        if (klatki.size() >= NajwiecejKlatekAni)
            return false;
        klatki.emplace_back(f.dane);
    }
    return true;
}

bool Rozloz(const std::vector<Fragment>& fragmenty, Czesci& c) {
    for (const Fragment& f : fragmenty) {
        if (f.id == "anih") {
            if (c.naglowek)
                return false;
            c.naglowek = CzytajNaglowek(f.dane);
            if (!c.naglowek)
                return false;
        } else if (f.id == "rate") {
            c.rate = f.dane;
        } else if (f.id == "seq ") {
            c.seq = f.dane;
        } else if (f.id == "LIST" && f.dane.substr(0, 4) == "fram") {
            if (!CzytajKlatki(f.dane.substr(4), c.klatki))
                return false;
        }
    }
    return c.naglowek.has_value();
}

std::optional<AnimacjaAni> Zloz(Czesci& c) {
    const NaglowekAni& n = *c.naglowek;
    if (c.klatki.size() != n.klatki)
        return std::nullopt;
    std::vector<uint32_t> kolejnosc(n.kroki);
    for (uint32_t i = 0; i < n.kroki; ++i)
        kolejnosc[i] = i % n.klatki;
    if (c.seq && (n.flagi & FlagaSekwencji) != 0) {
        auto seq = Tablica(*c.seq, n.kroki);
        if (!seq)
            return std::nullopt;
        kolejnosc = std::move(*seq);
    }
    std::vector<uint32_t> czasy(n.kroki, n.jiffies);
    if (c.rate) {
        auto rate = Tablica(*c.rate, n.kroki);
        if (!rate)
            return std::nullopt;
        czasy = std::move(*rate);
    }
    AnimacjaAni a;
    a.klatki = std::move(c.klatki);
    for (uint32_t i = 0; i < n.kroki; ++i) {
        if (kolejnosc[i] >= n.klatki)
            return std::nullopt;
        a.kroki.push_back({kolejnosc[i], std::max<uint32_t>(czasy[i], 1)});
    }
    return a;
}

} // namespace

std::optional<AnimacjaAni> CzytajAni(std::string_view dane) {
    if (dane.size() < 12 || dane.size() > NajwiekszyPlikAni || dane.substr(0, 4) != "RIFF" ||
        dane.substr(8, 4) != "ACON")
        return std::nullopt;
    const uint32_t rozmiar = Dword(dane, 4);
    if (rozmiar < 4 || rozmiar > dane.size() - 8)
        return std::nullopt;
    const auto fragmenty = Fragmenty(dane.substr(12, rozmiar - 4));
    if (!fragmenty)
        return std::nullopt;
    Czesci czesci;
    if (!Rozloz(*fragmenty, czesci))
        return std::nullopt;
    return Zloz(czesci);
}

} // namespace orbaklaw
