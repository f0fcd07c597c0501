// CRC-32 (the zlib polynomial) over the engines' file payloads.
#pragma once

#include <cstddef>
#include <cstdint>

namespace transfer {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);

} // namespace transfer
