#include "drivers/kasdrv/Raport.h"

#include "drivers/kasdrv/kasdrv.h"
#include "files/PlikTekstowy.h"

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw::kasdrv {

Raport::~Raport() {
    if (plik_)
        std::fclose(plik_);
}

bool Raport::Otworz() {
    const char* inny = std::getenv(KASDRV_ZMIENNA_RAPORTU);
    const std::string sciezka =
        inny && *inny ? std::string(inny) : ZnajdzPlik(NazwaPlikuRaportu).string();
    // O_NONBLOCK: a pipe under the name must not hold the call until someone reads it.
    const int fd = open(sciezka.c_str(),
                        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return false;
    }
    plik_ = fdopen(fd, "ab");
    if (!plik_)
        close(fd);
    return plik_ != nullptr;
}

bool Raport::Dopisz(const std::string& funkcja, int numer, const std::string& lacze, uint8_t kod,
                    const std::string& opis) {
    if (!plik_)
        return false;
    char czas[32] = "";
    const std::time_t teraz = std::time(nullptr);
    std::tm tm{};
    if (localtime_r(&teraz, &tm))
        std::strftime(czas, sizeof czas, "%Y-%m-%d\t%H:%M:%S", &tm);
    std::string linia = std::string(czas) + "\t" + funkcja + "\tkasa " + std::to_string(numer) +
                        "\t" + lacze + "\tkod " + std::to_string(kod);
    if (!opis.empty())
        linia += "\t" + opis;
    linia += "\r\n";
    const bool zapisana = std::fwrite(linia.data(), 1, linia.size(), plik_) == linia.size();
    return std::fflush(plik_) == 0 && zapisana;
}

} // namespace orbaklaw::kasdrv
