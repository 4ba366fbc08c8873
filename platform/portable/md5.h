// MD5 (RFC 1321), for the builds whose system offers no such hash.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace platform::portable {

using Md5Digest = std::array<std::uint8_t, 16>;

Md5Digest md5(const void* data, std::size_t size);

}  // namespace platform::portable
