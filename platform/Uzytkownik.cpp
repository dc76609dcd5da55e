#include "platform/Uzytkownik.h"

#include <unistd.h>

namespace orbaklaw::platform {

unsigned long IdUzytkownika() {
    return ::getuid();
}

} // namespace orbaklaw::platform
