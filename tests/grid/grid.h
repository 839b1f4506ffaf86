// The grid dumper prints every export's results over a fixed grid of inputs
// as the exact bits of each 32-bit element, one call per line. Two builds
// agree bit for bit when their dumps are identical.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "result_codes.h"

class GridWriter {
 public:
  // One line: the call as text, its ResultCode and its out-array in hex.
  void Line(const std::string& call, ResultCode code, const void* out, std::size_t elements) {
    std::printf("%s -> %08x", call.c_str(), static_cast<unsigned>(code));
    const unsigned char* bytes = static_cast<const unsigned char*>(out);
    for (std::size_t i = 0; i < elements; ++i) {
      std::uint32_t element;
      std::memcpy(&element, bytes + 4 * i, 4);
      std::printf(" %08x", static_cast<unsigned>(element));
    }
    std::printf("\n");
  }
};

// A float argument as its exact bits (decimal text could differ between the
// C libraries, and would make equal dumps look different).
inline std::string FloatText(float value) {
  char text[16];
  std::uint32_t bits;
  std::memcpy(&bits, &value, 4);
  std::snprintf(text, sizeof text, "f%08x", static_cast<unsigned>(bits));
  return text;
}

using GridFamily = void (*)(GridWriter&);

// Each family's file registers its dump with a static GridRegistration.
struct GridRegistration {
  GridRegistration(const char* name, GridFamily family);
};
