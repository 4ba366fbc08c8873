// The cipher of the embedded configuration: RC4 keyed from the MD5 hash of
// some key material, as the system's base cryptographic provider derives
// such a key (its default 40-bit length: the first 5 bytes of the digest
// followed by 11 zero bytes of salt). RC4 is its own inverse, so the same
// call enciphers and deciphers.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

// Runs the cipher over `buffer` in place. False when no key could be
// derived; `buffer` is then unchanged.
bool rc4WithDerivedKey(std::string_view keyMaterial, std::vector<std::uint8_t>& buffer);

}  // namespace platform
