#include "platform/Proces.h"

#include <unistd.h>

namespace orbaklaw::platform {

int NumerProcesu() {
    return static_cast<int>(::getpid());
}

} // namespace orbaklaw::platform
