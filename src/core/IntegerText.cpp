#include "core/IntegerText.h"

#include "core/Errors.h"

namespace vx {

namespace {

[[noreturn]] void NotAnInteger(const std::string& text) {
  throw ConvertError("'" + text + "' is not a valid integer value");
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::int32_t StrToInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const bool hex = i < text.size() && text[i] == '$';
  if (hex) ++i;
  if (i == text.size()) NotAnInteger(text);

  // Accumulate in 64 bits; the limits below stop it long before it could overflow.
  const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) NotAnInteger(text);
    value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (value > limit) NotAnInteger(text);
  }
  const auto bits = static_cast<std::uint32_t>(value);
  const std::uint32_t result = negative ? 0u - bits : bits;
  return static_cast<std::int32_t>(result);
}

}  // namespace vx
