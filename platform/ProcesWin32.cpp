#include "platform/Proces.h"

#include <process.h>

namespace orbaklaw::platform {

int NumerProcesu() {
    return ::_getpid();
}

} // namespace orbaklaw::platform
