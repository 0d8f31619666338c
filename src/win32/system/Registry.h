// Reading settings from the registry by the system's rules: a flag is a 32-bit integer
// (true when not 0); a value that is missing or of another type is an error with the
// system's message; a missing text reads as empty.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/UnheldNames.h"
#include "win32/Handles.h"

namespace vx::win32 {

inline constexpr const char* SettingsKey = "Software\\Vorlix";

class RegistryReader {
 public:
  // Opens root\path for reading. A key that cannot be opened is not an error here: its
  // values then read as missing.
  RegistryReader(HKEY root, const std::string& path);

  // REG_DWORD. Raises RegistryError "Failed to get data for '%s'" when the value is
  // missing and "Invalid data type for '%s'" when it is of another type.
  std::int32_t ReadInteger(const std::string& name) const;
  bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
  // As ReadBool, but a missing value reads as fallback (another type is still an error).
  bool ReadBoolOr(const std::string& name, bool fallback) const;
  // REG_SZ or REG_EXPAND_SZ, as stored, up to its first zero; "" when missing; "Invalid
  // data type for '%s'" for any other type that holds data. Read through the wide call:
  // a text the ANSI code page cannot hold is not held, with "?" for what it lacks (the
  // narrow call would give its look-alike, another file's name).
  StoredText ReadText(const std::string& name) const;
  std::string ReadString(const std::string& name) const { return ReadText(name).text; }
  // The same text whole, as the registry holds it (ReadText's original of a text not held).
  std::wstring ReadWideString(const std::string& name) const;
  bool ValueExists(const std::string& name) const;
  // REG_BINARY of exactly size bytes; nothing when the value is missing, of another type or
  // of another size (a first start reads its defaults that way).
  std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name,
                                                      std::size_t size) const;
  // REG_DWORD; nothing when missing or of another type or size.
  std::optional<std::int32_t> ReadIntegerIfValid(const std::string& name) const;

 private:
  std::optional<DWORD> TypeOf(const std::string& name, DWORD* size) const;
  // A text value's characters as stored, up to its size; nullopt when missing or empty.
  std::optional<std::wstring> StoredString(const std::string& name) const;

  UniqueKey key_;
};

// Writes settings: opens root\path for writing, creating the key when it is missing. Errors
// (a key that cannot be created or a value that cannot be written) raise RegistryError with
// the system's reason.
class RegistryWriter {
 public:
  RegistryWriter(HKEY root, const std::string& path);

  // REG_DWORD.
  void WriteInteger(const std::string& name, std::int32_t value);
  // REG_BINARY, exactly these bytes.
  void WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes);
  // REG_SZ.
  void WriteString(const std::string& name, const std::string& text);
  // REG_SZ: a held text as WriteString writes it, one a read found not held as it was read.
  void WriteText(const std::string& name, const StoredText& text);

 private:
  UniqueKey key_;
};

}  // namespace vx::win32
