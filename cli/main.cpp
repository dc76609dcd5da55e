// orbaklaw-cli: key-definition files from the command line.
#include "cli/Polecenia.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> argumenty(argv + 1, argv + argc);
    return orbaklaw::cli::Uruchom(argumenty, std::cout, std::cerr);
}
