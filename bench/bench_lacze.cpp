// How close register transfers come to the serial line's limit.
//
// Starts the pacing emulator, then times, at 9600 and 19200 bit/s, a write
// and a read of the 64 key definitions and a read of the goods base through
// the real library, and a whole orbaklaw-cli process reading the key
// definitions (its start, the library's load, the exchange in a private
// folder and the file written). For each it prints the measured time, the
// line's limit for the data that must cross (data bytes x 10 bits / speed;
// every call also asks the register's number first, and that short
// exchange's bytes are counted with the data) and their ratio; the target is
// a ratio of at most 1.10.
//
//   bench_lacze [--quick]     --quick: key read at 9600 only
#include "comm/BuforTekstu.h"
#include "comm/PlikZapytania.h"
#include "drivers/protocol/Exchange.h"
#include "drivers/protocol/Payload.h"
#include "emulator/ProcesEmulatora.h"
#include "emulator/StanKasy.h"
#include "files/NazwyStale.h"
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "format/TabliceKlawiszy.h"
#include "orbaklaw/kasdrv.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace orbaklaw;

// The number query before every call: request, ACK and reply frames.
size_t BajtyNumeru() {
    return protocol::FrameOverhead + 1 + protocol::FrameOverhead +
           protocol::LongestReply(protocol::cmd::Number);
}

size_t BajtyKlawiszy() {
    return static_cast<size_t>(LiczbaKlawiszy) * protocol::KeyRecordSize + BajtyNumeru();
}

size_t BajtyTowarow() {
    emulator::StanKasy demo;
    std::vector<std::string> nazwy;
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
        nazwy.push_back(demo.Towary_().Nazwa852(n));
    return protocol::EncodeNames(nazwy).size() + BajtyNumeru();
}

struct Pomiar {
    const char* nazwa;
    size_t bajty;
    std::function<uint8_t()> wywolanie;
};

bool Zmierz(const Pomiar& p, int szybkosc) {
    const auto start = std::chrono::steady_clock::now();
    const uint8_t kod = p.wywolanie();
    const double zmierzony =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double limit = static_cast<double>(p.bajty) * 10.0 / szybkosc;
    std::printf("%-22s %6d bit/s %7zu B  measured %7.3f s  limit %7.3f s  ratio = %.3f%s\n",
                p.nazwa, szybkosc, p.bajty, zmierzony, limit, zmierzony / limit,
                kod ? "  (FAILED)" : "");
    return kod == 0;
}

uint8_t Wywolaj2(uint8_t (*f)(const char*, const char*), const char* we, const char* wy) {
    return f(KonwNaBufor(we)->data(), KonwNaBufor(wy)->data());
}

// orbaklaw-cli run as a script runs it, from the current folder (its
// KONFIG.TXT), its messages kept in cli.err; its exit code.
uint8_t UruchomCli(const std::vector<std::string>& argumenty) {
    std::vector<std::string> a{ORBAKLAW_CLI};
    a.insert(a.end(), argumenty.begin(), argumenty.end());
    std::vector<char*> argv;
    for (auto& s : a)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t pliki;
    posix_spawn_file_actions_init(&pliki);
    posix_spawn_file_actions_addopen(&pliki, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&pliki, 2, "cli.err", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    const int blad = posix_spawn(&pid, argv[0], &pliki, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&pliki);
    int status = 0;
    if (blad != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return 255;
    return static_cast<uint8_t>(WEXITSTATUS(status));
}

} // namespace

int main(int argc, char** argv) {
    const bool szybko = argc > 1 && std::string(argv[1]) == "--quick";
    const fs::path folder =
        fs::temp_directory_path() / ("orbaklaw-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::current_path(folder);
    const std::string link = (folder / "ttyORBA").string();
    setenv("ORBAKLAW_COM1", link.c_str(), 1);

    bool dobrze = true;
    try {
        emulator::ProcesEmulatora emu(ORBA_EMU, link, {"--state", (folder / "stan").string()});
        dobrze = UtworzPlikWejsciowy(NazwaPlikuZapytania, 1);
        TabliceKlawiszy t;
        t.KlawiszeBezp[0] = {0, Towar, 0, 12, 1, 0, 1, 0};
        dobrze = ZapiszPlikDefinicji(t, NazwaPlikuKlawiszy, "01").Udany() && dobrze;
        const std::vector<Pomiar> pomiary{
            {"key definitions read", BajtyKlawiszy(),
             [] { return Wywolaj2(__ODefKlaw, NazwaPlikuZapytania, "odczyt.txt"); }},
            {"key definitions write", BajtyKlawiszy(),
             [] { return __ZDefKlaw(KonwNaBufor(NazwaPlikuKlawiszy)->data()); }},
            {"goods base read", BajtyTowarow(),
             [] { return Wywolaj2(__TowarMax, NazwaPlikuZapytania, NazwaPlikuTowarow); }},
            {"orbaklaw-cli read", BajtyKlawiszy(),
             [] {
                 return UruchomCli({"read", "odczyt-cli.txt"});
             }},
        };
        for (int szybkosc : {9600, 19200}) {
            dobrze = ZapiszAtomowo(NazwaPlikuKonfiguracji,
                                   "$01\tcom1:" + std::to_string(szybkosc) + ":mux0:1\t5\r\n")
                         .Udany() &&
                     dobrze;
            for (const auto& p : pomiary) {
                dobrze = Zmierz(p, szybkosc) && dobrze;
                if (szybko)
                    break;
            }
            if (szybko)
                break;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_lacze: %s\n", e.what());
        dobrze = false;
    }
    fs::current_path(folder.parent_path());
    fs::remove_all(folder);
    return dobrze ? 0 : 1;
}
