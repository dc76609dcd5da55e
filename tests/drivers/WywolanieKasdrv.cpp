// kasdrv-call: one call of libkasdrv in a process of its own, as a second
// program on the same line would make it. The exit status is the call's
// result.
//   kasdrv-call write FILE | delete FILE | read IN OUT | goods IN OUT
#include "Wywolania.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace orbaklaw::testy;
    if (argc < 3) {
        std::fprintf(stderr, "usage: kasdrv-call write|delete FILE | read|goods IN OUT\n");
        return 255;
    }
    const std::string co = argv[1];
    if (co == "write")
        return ZDef(argv[2]);
    if (co == "delete")
        return KDef(argv[2]);
    if (argc < 4)
        return 255;
    if (co == "read")
        return ODef(argv[2], argv[3]);
    if (co == "goods")
        return Towary(argv[2], argv[3]);
    return 255;
}
