#include "SerwerDruku.h"

#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace orbaklaw::test {

namespace {
const fs::path PlikPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
const fs::path ProgramCupsPdf = "/usr/lib/cups/backend/cups-pdf";
const fs::path KonfiguracjaCupsPdf = "/etc/cups/cups-pdf.conf";
// A job of a user the system doesn't know goes to cups-pdf's folder for
// anonymous output, which this run can find and clean; a real user's job
// would go to their home.
constexpr char UzytkownikTestu[] = "orbaklaw-druk-testowy";

QString Sciezka(const fs::path& p) {
    return QString::fromStdString(p.string());
}

QString Program(const char* nazwa) {
    return QStandardPaths::findExecutable(QString::fromLatin1(nazwa),
                                          {"/usr/sbin", "/usr/bin", "/sbin", "/bin"});
}

void Zapisz(const fs::path& plik, const std::string& tresc) {
    std::ofstream(plik) << tresc;
}

// cups-pdf's "AnonDirName", or its built-in folder.
fs::path FolderAnonimowy() {
    std::ifstream konfiguracja(KonfiguracjaCupsPdf);
    std::string linia;
    fs::path folder = "/var/spool/cups-pdf/ANONYMOUS";
    while (std::getline(konfiguracja, linia))
        if (linia.rfind("AnonDirName ", 0) == 0)
            folder = linia.substr(12);
    return folder;
}
} // namespace

SerwerDruku::SerwerDruku(Wyjscie wyjscie)
    : PierwszeZadanie(1000 + 1000 * (getpid() % 1000000)), gniazdo_(katalog_ / "cups.sock"),
      wyjscie_(FolderAnonimowy()) {
    if (Program("cupsd").isEmpty() || Program("lpadmin").isEmpty())
        przeszkoda_ = "cupsd or lpadmin is not installed (package cups)";
    else if (wyjscie == Wyjscie::CupsPdf && geteuid() != 0)
        przeszkoda_ = "cups-pdf runs only when the scheduler runs as root";
    else if (wyjscie == Wyjscie::CupsPdf && (!fs::exists(ProgramCupsPdf) || !fs::exists(PlikPpd)))
        przeszkoda_ = "cups-pdf is not installed (package printer-driver-cups-pdf)";
    else if (Uruchom(wyjscie))
        przedtem_ = PlikiWyjscia();
}

SerwerDruku::~SerwerDruku() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(5000))
            cupsd_.kill();
        cupsd_.waitForFinished(2000);
    }
    for (const fs::path& plik : PlikiWyjscia())
        if (!przedtem_.count(plik))
            fs::remove(plik);
}

bool SerwerDruku::Uruchom(Wyjscie wyjscie) {
    const fs::path& d = katalog_.sciezka();
    for (const char* folder : {"root", "spool", "tmp", "cache", "state", "log"})
        fs::create_directory(d / folder);
    // The scheduler's filters run as its unprivileged user.
    fs::permissions(d, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(d / "tmp", fs::perms::all | fs::perms::sticky_bit);
    Zapisz(d / "root/cupsd.conf", "Listen " + gniazdo_.string() +
                                      "\nLogLevel info\nWebInterface No\nBrowsing No\n"
                                      "DefaultAuthType None\n"
                                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                      "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                      "  </Limit>\n</Policy>\n");
    Zapisz(d / "root/cups-files.conf",
           "ServerRoot " + (d / "root").string() + "\nRequestRoot " + (d / "spool").string() +
               "\nTempDir " + (d / "tmp").string() + "\nCacheDir " + (d / "cache").string() +
               "\nStateDir " + (d / "state").string() + "\nErrorLog " +
               (d / "log/error_log").string() + "\nAccessLog " + (d / "log/access_log").string() +
               "\nPageLog " + (d / "log/page_log").string() +
               "\nSandboxing Relaxed\nFileDevice Yes\n");
    // Job numbers of this scheduler's own, so that its PDFs are told apart
    // from those of another test's scheduler in the shared output folder.
    Zapisz(d / "cache/job.cache", "NextJobId " + std::to_string(PierwszeZadanie) + "\n");
    cupsd_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The scheduler ends with the test, however the test ends.
    cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_.start(Program("cupsd"), {"-f", "-c", Sciezka(d / "root/cupsd.conf"), "-s",
                                    Sciezka(d / "root/cups-files.conf")});
    if (!cupsd_.waitForStarted(5000)) {
        przeszkoda_ = "cupsd could not be started";
        return false;
    }
    for (int i = 0; i < 100 && !fs::exists(gniazdo_); ++i) {
        if (cupsd_.state() == QProcess::NotRunning)
            break;
        QThread::msleep(100);
    }
    if (!fs::exists(gniazdo_)) {
        przeszkoda_ = "cupsd did not open its socket; see " + (d / "log/error_log").string();
        return false;
    }
    // This process is the scheduler's client from now on.
    qputenv("CUPS_SERVER", QFile::encodeName(Sciezka(gniazdo_)));
    cupsSetServer(gniazdo_.c_str());
    cupsSetUser(UzytkownikTestu);
    const QStringList kolejka =
        wyjscie == Wyjscie::CupsPdf
            ? QStringList{"-p", Kolejka(), "-E", "-v", "cups-pdf:/", "-P", Sciezka(PlikPpd)}
            : QStringList{"-p", Kolejka(), "-E", "-v", "file:///dev/null"};
    if (!Polecenie(Program("lpadmin"), kolejka)) {
        przeszkoda_ = "lpadmin could not add the test's queue";
        return false;
    }
    return true;
}

bool SerwerDruku::Polecenie(const QString& program, const QStringList& argumenty) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(program, argumenty);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool SerwerDruku::Odrzucaj(const QString& powod) {
    return Polecenie(Program("cupsreject"), {"-r", powod, Kolejka()});
}

bool SerwerDruku::Przyjmuj() {
    return Polecenie(Program("cupsaccept"), {Kolejka()});
}

int SerwerDruku::LiczbaZadan() const {
    cups_job_t* zadania = nullptr;
    const int liczba = cupsGetJobs2(CUPS_HTTP_DEFAULT, &zadania, Kolejka().toUtf8().constData(), 0,
                                    CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(liczba, zadania);
    return liczba;
}

// cups-pdf names a job's PDF "<title>-job_<number>.pdf".
std::set<fs::path> SerwerDruku::PlikiWyjscia() const {
    std::set<fs::path> pliki;
    std::error_code blad;
    for (const auto& wpis : fs::directory_iterator(wyjscie_, blad)) {
        const std::string nazwa = wpis.path().filename().string();
        const auto numer = nazwa.rfind("-job_");
        if (numer == std::string::npos || wpis.path().extension() != ".pdf")
            continue;
        const long nr = std::strtol(nazwa.c_str() + numer + 5, nullptr, 10);
        if (nr >= PierwszeZadanie && nr < PierwszeZadanie + 1000)
            pliki.insert(wpis.path());
    }
    return pliki;
}

int SerwerDruku::Trwajace() const {
    cups_job_t* zadania = nullptr;
    const int trwajace = cupsGetJobs2(CUPS_HTTP_DEFAULT, &zadania, Kolejka().toUtf8().constData(),
                                      0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(trwajace, zadania);
    return trwajace;
}

bool SerwerDruku::WszystkieUkonczone() const {
    cups_job_t* zadania = nullptr;
    const int liczba = cupsGetJobs2(CUPS_HTTP_DEFAULT, &zadania, Kolejka().toUtf8().constData(), 0,
                                    CUPS_WHICHJOBS_ALL);
    bool ukonczone = liczba > 0;
    for (int i = 0; i < liczba; ++i)
        ukonczone = ukonczone && zadania[i].state == IPP_JSTATE_COMPLETED;
    cupsFreeJobs(liczba, zadania);
    return ukonczone;
}

std::string SerwerDruku::StanyZadan() const {
    cups_job_t* zadania = nullptr;
    const int liczba = cupsGetJobs2(CUPS_HTTP_DEFAULT, &zadania, Kolejka().toUtf8().constData(), 0,
                                    CUPS_WHICHJOBS_ALL);
    std::string opis;
    for (int i = 0; i < liczba; ++i) {
        const char* stan = ippEnumString("job-state", static_cast<int>(zadania[i].state));
        opis += (opis.empty() ? "" : ", ") + std::to_string(zadania[i].id) + " " + stan;
    }
    cupsFreeJobs(liczba, zadania);
    return opis.empty() ? "no job" : opis;
}

bool SerwerDruku::CzekajNaKoniec(int zadania, std::chrono::seconds limit) const {
    const auto koniec = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < koniec) {
        if (Trwajace() == 0 && LiczbaZadan() == zadania)
            return true;
        QThread::msleep(200);
    }
    return false;
}

std::optional<fs::path> SerwerDruku::CzekajNaPdf(std::chrono::seconds limit) const {
    const auto koniec = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < koniec) {
        if (Trwajace() == 0 && LiczbaZadan() > 0) {
            // cups-pdf has written the file before its job completes.
            for (const fs::path& plik : PlikiWyjscia())
                if (!przedtem_.count(plik))
                    return plik;
            if (!WszystkieUkonczone())
                return std::nullopt; // a job ended without its PDF
        }
        QThread::msleep(200);
    }
    return std::nullopt;
}

} // namespace orbaklaw::test
