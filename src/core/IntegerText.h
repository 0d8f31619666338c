// The one rule by which integer texts in step fields are read (wait times, speeds,
// positions, ports, size bounds, repeat counts).
#pragma once

#include <cstdint>
#include <string>

namespace vx {

// A 32-bit signed number: leading blanks skipped, an optional sign, then decimal digits or
// "$" and hexadecimal digits. Anything else, the empty text and trailing blanks included,
// raises ConvertError "'%s' is not a valid integer value". Hexadecimal texts take all 32
// bits, so "$FFFFFFFF" reads as -1.
std::int32_t StrToInt(const std::string& text);

}  // namespace vx
