#include "win32/system/Registry.h"

#include <vector>

#include "core/Errors.h"
#include "win32/system/SystemText.h"

namespace vx::win32 {

namespace {

[[noreturn]] void FailedToGet(const std::string& name) {
  throw RegistryError("Failed to get data for '" + name + "'");
}

[[noreturn]] void InvalidType(const std::string& name) {
  throw RegistryError("Invalid data type for '" + name + "'");
}

}  // namespace

RegistryReader::RegistryReader(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) key_.Reset(key);
}

std::optional<DWORD> RegistryReader::TypeOf(const std::string& name, DWORD* size) const {
  if (!key_) return std::nullopt;
  DWORD type = 0;
  DWORD bytes = 0;
  if (::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
      ERROR_SUCCESS)
    return std::nullopt;
  if (size) *size = bytes;
  return type;
}

bool RegistryReader::ValueExists(const std::string& name) const {
  return TypeOf(name, nullptr).has_value();
}

std::int32_t RegistryReader::ReadInteger(const std::string& name) const {
  DWORD size = 0;
  const auto type = TypeOf(name, &size);
  if (!type) FailedToGet(name);
  if (*type != REG_DWORD || size != sizeof(DWORD)) InvalidType(name);
  DWORD value = 0;
  DWORD bytes = sizeof value;
  if (::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(&value), &bytes) != ERROR_SUCCESS)
    FailedToGet(name);
  return static_cast<std::int32_t>(value);
}

bool RegistryReader::ReadBoolOr(const std::string& name, bool fallback) const {
  return ValueExists(name) ? ReadBool(name) : fallback;
}

std::string RegistryReader::ReadString(const std::string& name) const {
  DWORD size = 0;
  const auto type = TypeOf(name, &size);
  if (!type || size == 0) return {};
  if (*type != REG_SZ && *type != REG_EXPAND_SZ) InvalidType(name);
  std::vector<char> buffer(size + 1, '\0');
  DWORD bytes = size;
  if (::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS)
    FailedToGet(name);
  // The stored size counts the terminating zero; the text ends at the first zero.
  return std::string(buffer.data());
}

}  // namespace vx::win32

namespace vx::win32 {

std::optional<std::vector<std::uint8_t>> RegistryReader::ReadBinary(const std::string& name,
                                                                    std::size_t size) const {
  DWORD stored = 0;
  const auto type = TypeOf(name, &stored);
  if (!type || *type != REG_BINARY || stored != size) return std::nullopt;
  std::vector<std::uint8_t> bytes(size);
  DWORD got = stored;
  if (::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr, bytes.data(), &got) !=
          ERROR_SUCCESS ||
      got != size)
    return std::nullopt;
  return bytes;
}

std::optional<std::int32_t> RegistryReader::ReadIntegerIfValid(const std::string& name) const {
  DWORD size = 0;
  const auto type = TypeOf(name, &size);
  if (!type || *type != REG_DWORD || size != sizeof(DWORD)) return std::nullopt;
  DWORD value = 0;
  DWORD bytes = sizeof value;
  if (::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(&value), &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

namespace {

[[noreturn]] void WriteFailed(const std::string& what, LSTATUS status) {
  const std::string reason = SystemErrorText(static_cast<unsigned long>(status));
  throw RegistryError(what + (reason.empty() ? "" : ". " + reason));
}

}  // namespace

RegistryWriter::RegistryWriter(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  const LSTATUS status =
      ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) WriteFailed("Failed to create key " + path, status);
  key_.Reset(key);
}

void RegistryWriter::WriteInteger(const std::string& name, std::int32_t value) {
  const DWORD data = static_cast<DWORD>(value);
  const LSTATUS status = ::RegSetValueExA(key_.Get(), name.c_str(), 0, REG_DWORD,
                                          reinterpret_cast<const BYTE*>(&data), sizeof data);
  if (status != ERROR_SUCCESS) WriteFailed("Failed to set data for '" + name + "'", status);
}

void RegistryWriter::WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes) {
  const LSTATUS status = ::RegSetValueExA(key_.Get(), name.c_str(), 0, REG_BINARY, bytes.data(),
                                          static_cast<DWORD>(bytes.size()));
  if (status != ERROR_SUCCESS) WriteFailed("Failed to set data for '" + name + "'", status);
}

void RegistryWriter::WriteString(const std::string& name, const std::string& text) {
  const LSTATUS status = ::RegSetValueExA(key_.Get(), name.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(text.c_str()),
                                          static_cast<DWORD>(text.size() + 1));
  if (status != ERROR_SUCCESS) WriteFailed("Failed to set data for '" + name + "'", status);
}

}  // namespace vx::win32
