#include "platform/portable/rc4.h"

#include <utility>

#include "platform/portable/md5.h"

namespace platform::portable {

void rc4(const std::uint8_t* key, std::size_t keySize, std::uint8_t* data, std::size_t size)
{
    std::uint8_t state[256];
    for (int i = 0; i < 256; ++i) {
        state[i] = static_cast<std::uint8_t>(i);
    }
    std::uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<std::uint8_t>(j + state[i] + key[i % keySize]);
        std::swap(state[i], state[j]);
    }
    std::uint8_t i = 0;
    j = 0;
    for (std::size_t n = 0; n < size; ++n) {
        i = static_cast<std::uint8_t>(i + 1);
        j = static_cast<std::uint8_t>(j + state[i]);
        std::swap(state[i], state[j]);
        data[n] ^= state[static_cast<std::uint8_t>(state[i] + state[j])];
    }
}

std::vector<std::uint8_t> baseProviderRc4Key(std::string_view keyMaterial)
{
    Md5Digest digest = md5(keyMaterial.data(), keyMaterial.size());
    std::vector<std::uint8_t> key(16, 0);
    for (int n = 0; n < 5; ++n) {
        key[n] = digest[n];
    }
    return key;
}

void rc4WithBaseProviderKey(std::string_view keyMaterial, std::vector<std::uint8_t>& buffer)
{
    std::vector<std::uint8_t> key = baseProviderRc4Key(keyMaterial);
    rc4(key.data(), key.size(), buffer.data(), buffer.size());
}

}  // namespace platform::portable
