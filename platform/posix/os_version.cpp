#include "platform/os_version.h"

namespace platform {

bool isNtFamily()
{
    // A multi-user system with per-user configuration folders: it behaves as
    // the NT family does.
    return true;
}

}  // namespace platform
