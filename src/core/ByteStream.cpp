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

void AppendU8(std::string& out, std::uint8_t value) {
  out.push_back(static_cast<char>(value));
}

void AppendU16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

void AppendU32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}

std::uint32_t U32At(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

}  // namespace vx
