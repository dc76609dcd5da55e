#include "SrodowiskoKasy.h"

#include "files/PlikTekstowy.h"

#include <atomic>
#include <cstdlib>
#include <unistd.h>

namespace orbaklaw::testy {

namespace fs = std::filesystem;

SrodowiskoKasy::SrodowiskoKasy() {
    static std::atomic<int> licznik{0};
    folder_ = fs::temp_directory_path() /
              ("orbaklaw-" + std::to_string(getpid()) + "-" + std::to_string(licznik++));
    fs::create_directories(folder_);
    poprzedni_ = fs::current_path();
    fs::current_path(folder_);
    setenv("ORBAKLAW_COM1", Link().c_str(), 1);
}

SrodowiskoKasy::~SrodowiskoKasy() {
    emulator_.reset();
    std::error_code ec;
    fs::current_path(poprzedni_, ec);
    fs::remove_all(folder_, ec);
}

void SrodowiskoKasy::Uruchom(const std::vector<std::string>& opcje) {
    emulator_.reset();
    emulator_ = std::make_unique<emulator::ProcesEmulatora>(ORBA_EMU, Link(), opcje);
}

void SrodowiskoKasy::Konfiguracja(const std::vector<std::string>& linie) const {
    ZapiszAtomowo(folder_ / "KONFIG.TXT", ZlaczLinie(linie));
}

void SrodowiskoKasy::Konfiguracja(int timeout, int szybkosc) const {
    Konfiguracja({"$01\tcom1:" + std::to_string(szybkosc) + ":mux0:1\t" + std::to_string(timeout)});
}

} // namespace orbaklaw::testy
