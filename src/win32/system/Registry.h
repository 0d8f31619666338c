// Reading settings from the registry by the system's rules: a flag is a 32-bit integer
// (true when not 0); a value that is missing or of another type is an error with the
// system's message; a missing text reads as empty.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

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
  // REG_SZ or REG_EXPAND_SZ, as stored; "" when missing; "Invalid data type for '%s'"
  // for any other type that holds data.
  std::string ReadString(const std::string& name) const;
  bool ValueExists(const std::string& name) const;

 private:
  std::optional<DWORD> TypeOf(const std::string& name, DWORD* size) const;

  UniqueKey key_;
};

}  // namespace vx::win32
