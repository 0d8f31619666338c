#include "win32/system/Registry.h"

#include <cstring>
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

namespace {

// The value's characters as stored, its terminating zero and anything after it included.
std::wstring StoredCharacters(HKEY key, const std::string& name) {
  const std::wstring wideName = WideText(name, CP_ACP);
  DWORD size = 0;
  if (::RegQueryValueExW(key, wideName.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
    FailedToGet(name);
  std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
  DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(key, wideName.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS)
    FailedToGet(name);
  buffer.resize(bytes / sizeof(wchar_t));
  return buffer;
}

}  // namespace

std::optional<std::wstring> RegistryReader::StoredString(const std::string& name) const {
  DWORD size = 0;
  const auto type = TypeOf(name, &size);
  if (!type || size == 0) return std::nullopt;
  if (*type != REG_SZ && *type != REG_EXPAND_SZ) InvalidType(name);
  return StoredCharacters(key_.Get(), name);
}

StoredText RegistryReader::ReadText(const std::string& name) const {
  const std::optional<std::wstring> stored = StoredString(name);
  if (!stored) return {};
  // The stored size counts the terminating zero; the conversions end at the first zero.
  if (std::optional<std::string> exact = ExactNarrowText(*stored, CP_ACP)) return {*exact};
  const std::wstring whole = ReadWideString(name);
  return {NarrowText(*stored, CP_ACP), false,
          std::string(reinterpret_cast<const char*>(whole.data()), whole.size() * sizeof(wchar_t))};
}

std::wstring RegistryReader::ReadWideString(const std::string& name) const {
  const std::optional<std::wstring> stored = StoredString(name);
  return stored ? stored->substr(0, stored->find(L'\0')) : std::wstring();
}

namespace {

// A text not held as ReadText keeps it: the wide characters' bytes.
std::wstring WideOriginal(const std::string& original) {
  std::wstring text(original.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), original.data(), text.size() * sizeof(wchar_t));
  return text;
}

}  // namespace

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

void RegistryWriter::WriteText(const std::string& name, const StoredText& value) {
  if (value.held) {
    WriteString(name, value.text);
    return;
  }
  const std::wstring text = WideOriginal(value.original);
  const LSTATUS status = ::RegSetValueExW(key_.Get(), WideText(name, CP_ACP).c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(text.c_str()),
                                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) WriteFailed("Failed to set data for '" + name + "'", status);
}

void RegistryWriter::WriteString(const std::string& name, const std::string& text) {
  const LSTATUS status = ::RegSetValueExA(key_.Get(), name.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(text.c_str()),
                                          static_cast<DWORD>(text.size() + 1));
  if (status != ERROR_SUCCESS) WriteFailed("Failed to set data for '" + name + "'", status);
}

}  // namespace vx::win32
