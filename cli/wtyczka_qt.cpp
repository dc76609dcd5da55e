// liborbaklaw-cli-qt.so: the commands of orbaklaw-cli that draw with Qt.
#include "cli/Polecenia.h"
#include "cli/PolecenieListy.h"
#include "cli/PolecenieWkladki.h"
#include "cli/WtyczkaQt.h"

extern "C" __attribute__((visibility("default"))) int
orbaklaw_cli_qt_uruchom(const std::vector<std::string>* argumenty, std::ostream* out,
                        std::ostream* err) {
    // Checked against the type the program calls it through.
    [[maybe_unused]] constexpr orbaklaw::cli::FunkcjaWtyczkiQt zgodna = &orbaklaw_cli_qt_uruchom;
    const orbaklaw::cli::PoleceniaDodatkowe qt{{"insert", orbaklaw::cli::Wkladka}};
    return orbaklaw::cli::Uruchom(*argumenty, *out, *err, qt, orbaklaw::cli::ZapiszListePdf);
}
