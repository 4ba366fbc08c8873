#include "platform/cipher.h"

#include "platform/portable/rc4.h"

namespace platform {

bool rc4WithDerivedKey(std::string_view keyMaterial, std::vector<std::uint8_t>& buffer)
{
    portable::rc4WithBaseProviderKey(keyMaterial, buffer);
    return true;
}

}  // namespace platform
