#include "tests/cli/UruchomCli.h"

#include "tests/support/KatalogTymczasowy.h"

#include <cstdlib>
#include <sys/wait.h>

namespace orbaklaw::test {

namespace {
std::string Cytuj(const std::string& s) {
    std::string c = "'";
    for (char z : s)
        c += z == '\'' ? std::string("'\\''") : std::string(1, z);
    return c + "'";
}
} // namespace

WynikCli UruchomCli(const std::vector<std::string>& argumenty) {
    KatalogTymczasowy tmp;
    std::string polecenie = Cytuj(ORBAKLAW_CLI);
    for (const auto& a : argumenty)
        polecenie += " " + Cytuj(a);
    polecenie += " >" + Cytuj((tmp / "out").string()) + " 2>" + Cytuj((tmp / "err").string());
    const int status = std::system(polecenie.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, tmp.Czytaj("out"), tmp.Czytaj("err")};
}

} // namespace orbaklaw::test
