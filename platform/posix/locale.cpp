#include "platform/locale.h"

#include <clocale>

namespace platform {

void useSystemDefaultLocale()
{
    std::setlocale(LC_ALL, "");
}

}  // namespace platform
