// Little-endian reading and writing of numbers over bytes in memory: the script file's, the
// step clipboard's and the recorded events'.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// Reads from a byte buffer it does not own; a read past the end raises
// InOutError "Read beyond end of file", as reading the file itself would.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::uint8_t ReadU8();
  std::uint16_t ReadU16();
  std::string ReadBytes(std::size_t count);
  std::size_t Position() const { return pos_; }

 private:
  void Require(std::size_t count) const;

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

void AppendU8(std::string& out, std::uint8_t value);
void AppendU16(std::string& out, std::uint16_t value);
void AppendU32(std::string& out, std::uint32_t value);
// The 32-bit number at offset at; the caller has made sure that four bytes are there.
std::uint32_t U32At(std::string_view bytes, std::size_t at);

}  // namespace vx
