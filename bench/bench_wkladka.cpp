// How much composing and saving the insert picture costs next to writing the
// same bitmap's bytes as they are.
//
// Times, as the median of several runs, (a) writing the 4.8 MB bitmap raw and
// (b) composing the insert from the template and 38 label texts and saving it
// as the program saves it, and prints their ratio; the target is at most 1.5.
//
//   bench_wkladka [--runs N]
#include "appearance/KompozycjaWkladki.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/PlikBmp.h"
#include "appearance/SzablonWkladki.h"
#include "appearance/ZapisBmp.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace orbaklaw;

double Mediana(int razy, const std::function<void()>& praca) {
    std::vector<double> czasy;
    for (int i = 0; i < razy; ++i) {
        const auto start = std::chrono::steady_clock::now();
        praca();
        const std::chrono::duration<double, std::milli> czas =
            std::chrono::steady_clock::now() - start;
        czasy.push_back(czas.count());
    }
    std::sort(czasy.begin(), czasy.end());
    return czasy[czasy.size() / 2];
}

// The bare write of the same bytes. A save that may replace the user's file
// must also have its bytes on disk before the rename, so the fair measure
// of it is the bare write that syncs as well.
void ZapiszSurowo(const fs::path& plik, const std::string& bajty, bool synchronizuj) {
    std::FILE* f = std::fopen(plik.c_str(), "wb");
    if (!f || std::fwrite(bajty.data(), 1, bajty.size(), f) != bajty.size() || std::fflush(f) ||
        (synchronizuj && ::fsync(fileno(f)) != 0) || std::fclose(f))
        std::abort();
}

TekstyEtykiet PelneEtykiety() {
    TekstyEtykiet teksty;
    for (int i = 0; i < LiczbaPolEtykiet; ++i)
        teksty[static_cast<size_t>(i)] =
            i < 18 ? "TOWAR " + std::to_string(i) : "K" + std::to_string(i);
    return teksty;
}

} // namespace

int main(int argc, char** argv) {
    int razy = 15;
    if (argc == 3 && std::string(argv[1]) == "--runs")
        razy = std::max(1, std::atoi(argv[2]));
    constexpr const char* platforma = "QT_QPA_PLATFORM";
    if (qEnvironmentVariableIsEmpty(platforma))
        qputenv(platforma, "offscreen");
    QGuiApplication aplikacja(argc, argv);

    const fs::path folder = fs::temp_directory_path() / "orbaklaw-bench-wkladka";
    fs::create_directories(folder);
    const QImage szablon = WczytajSzablonWkladki();
    const QImage bgr = szablon.convertToFormat(QImage::Format_BGR888);
    const std::string bitmapa = KodujBmp24(bgr.width(), bgr.height(), bgr.constBits(),
                                           static_cast<size_t>(bgr.bytesPerLine()));

    const double surowo =
        Mediana(razy, [&] { ZapiszSurowo(folder / "surowo.bmp", bitmapa, false); });
    const double surowoNaDysk =
        Mediana(razy, [&] { ZapiszSurowo(folder / "surowo.bmp", bitmapa, true); });
    const double wkladka = Mediana(razy, [&] {
        TekstyEtykiet teksty = PelneEtykiety();
        const QImage obraz =
            KomponujWkladke(szablon, teksty, RozmiarPolaKlawiatury, DomyslnaCzcionkaEtykiet(),
                            DomyslnyKolorEtykiet(), DomyslneDpiEkranu);
        if (!ZapiszObrazBmp(obraz, folder / "wkladka.bmp"))
            std::fprintf(stderr, "insert picture not saved\n");
    });
    fs::remove_all(folder);

    std::printf("insert picture, %zu bytes, median of %d runs\n", bitmapa.size(), razy);
    std::printf("  raw write         %8.2f ms\n", surowo);
    std::printf("  raw write, synced %8.2f ms\n", surowoNaDysk);
    std::printf("  compose and save  %8.2f ms (synced, then renamed)\n", wkladka);
    std::printf("  ratio             %8.2f   (to the synced raw write; target <= 1.50)\n",
                wkladka / surowoNaDysk);
    return 0;
}
