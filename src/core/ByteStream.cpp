#include "core/ByteStream.h"

#include "core/Errors.h"

namespace vx {

void ByteReader::Require(std::size_t count) const {
  if (bytes_.size() - pos_ < count) throw InOutError("Read beyond end of file");
}

std::uint8_t ByteReader::ReadU8() {
  Require(1);
  return static_cast<std::uint8_t>(bytes_[pos_++]);
}

std::uint16_t ByteReader::ReadU16() {
  Require(2);
  const auto lo = static_cast<std::uint8_t>(bytes_[pos_]);
  const auto hi = static_cast<std::uint8_t>(bytes_[pos_ + 1]);
  pos_ += 2;
  return static_cast<std::uint16_t>(lo | (hi << 8));
}

std::string ByteReader::ReadBytes(std::size_t count) {
  Require(count);
  std::string text(bytes_.substr(pos_, count));
  pos_ += count;
  return text;
}

void AppendU8(std::string& out, std::uint8_t value) { out.push_back(static_cast<char>(value)); }

void AppendU16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

}  // namespace vx
