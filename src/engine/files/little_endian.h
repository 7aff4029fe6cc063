// Reading and writing 32-bit little-endian numbers in byte images of files.
#pragma once

#include <cstdint>

namespace tarnik {

// Writes `value` as four little-endian bytes at `out`.
inline void PutLittle32(unsigned char* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Reads four little-endian bytes at `in`.
inline uint32_t GetLittle32(const unsigned char* in) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= uint32_t{in[i]} << (8 * i);
  return value;
}

}  // namespace tarnik
