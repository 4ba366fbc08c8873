// RC4, and the key that the base cryptographic provider derives for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace platform::portable {

// RC4 keyed with `key` (1 to 256 bytes) over `data` in place.
void rc4(const std::uint8_t* key, std::size_t keySize, std::uint8_t* data, std::size_t size);

// What CryptDeriveKey(CALG_RC4, 0) of the base provider gives from an MD5
// hash of `keyMaterial`: the first 5 digest bytes and 11 zero bytes.
std::vector<std::uint8_t> baseProviderRc4Key(std::string_view keyMaterial);

// RC4 over `buffer` with the base provider's key for `keyMaterial`.
void rc4WithBaseProviderKey(std::string_view keyMaterial, std::vector<std::uint8_t>& buffer);

}  // namespace platform::portable
