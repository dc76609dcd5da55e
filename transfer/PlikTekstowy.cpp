#include "transfer/PlikTekstowy.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

std::string Powod(const fs::path& plik, int blad) {
    return plik.string() + ": " + std::strerror(blad);
}

bool RowneBezWielkosci(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x < 128 && y < 128 ? std::tolower(x) != std::tolower(y) : x != y)
            return false;
    }
    return true;
}

fs::path NazwaTymczasowa(const fs::path& plik) {
    std::random_device los;
    auto nazwa = "." + plik.filename().string() + "." + std::to_string(los()) + ".tmp";
    return plik.parent_path() / nazwa;
}

} // namespace

std::vector<std::string> PodzielNaLinie(const std::string& tekst) {
    std::vector<std::string> linie;
    size_t poczatek = 0;
    while (poczatek < tekst.size()) {
        size_t lf = tekst.find('\n', poczatek);
        size_t koniec = lf == std::string::npos ? tekst.size() : lf;
        size_t dlugosc = koniec - poczatek;
        if (lf != std::string::npos && dlugosc > 0 && tekst[koniec - 1] == '\r')
            --dlugosc;
        linie.push_back(tekst.substr(poczatek, dlugosc));
        poczatek = lf == std::string::npos ? tekst.size() : lf + 1;
    }
    return linie;
}

std::vector<std::string> CzytajLinie(const fs::path& plik) {
    std::error_code ec;
    if (fs::is_directory(plik, ec))
        throw BladWejsciaWyjscia(Powod(plik, EISDIR));
    errno = 0;
    std::ifstream wejscie(plik, std::ios::binary);
    if (!wejscie)
        throw BladWejsciaWyjscia(Powod(plik, errno ? errno : ENOENT));
    std::string tresc((std::istreambuf_iterator<char>(wejscie)), {});
    if (wejscie.bad())
        throw BladWejsciaWyjscia(Powod(plik, errno ? errno : EIO));
    return PodzielNaLinie(tresc);
}

std::string ZlaczLinie(const std::vector<std::string>& linie) {
    std::string tresc;
    for (const auto& l : linie) {
        tresc += l;
        tresc += "\r\n";
    }
    return tresc;
}

void ZapiszAtomowo(const fs::path& plik, const std::string& tresc) {
    const fs::path tymczasowy = NazwaTymczasowa(plik);
    std::FILE* f = std::fopen(tymczasowy.c_str(), "wb");
    if (!f)
        throw BladWejsciaWyjscia(Powod(plik, errno));
    bool zapisany = std::fwrite(tresc.data(), 1, tresc.size(), f) == tresc.size();
    int blad = zapisany ? 0 : errno;
    if (std::fflush(f) != 0 && zapisany) {
        zapisany = false;
        blad = errno;
    }
    if (std::fclose(f) != 0 && zapisany) {
        zapisany = false;
        blad = errno;
    }
    std::error_code ec;
    if (zapisany)
        fs::rename(tymczasowy, plik, ec);
    if (!zapisany || ec) {
        std::string powod = zapisany ? plik.string() + ": " + ec.message() : Powod(plik, blad);
        fs::remove(tymczasowy, ec);
        throw BladWejsciaWyjscia(powod);
    }
}

fs::path ZnajdzPlik(const fs::path& folder, const std::string& nazwa) {
    std::error_code ec;
    if (fs::exists(folder / nazwa, ec))
        return folder / nazwa;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        if (RowneBezWielkosci(it->path().filename().string(), nazwa))
            return folder / it->path().filename();
    }
    return folder / nazwa;
}

fs::path ZnajdzPlik(const std::string& nazwa) {
    return ZnajdzPlik(fs::path(), nazwa);
}

} // namespace orbaklaw
