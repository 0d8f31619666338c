#include "win32/system/Win32Clipboard.h"

#include <cstring>
#include <cwchar>

#include "core/Errors.h"

namespace vx::win32 {

bool Win32Clipboard::Open() {
  if (!owner_) {
    owner_.Reset(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr));
  }
  return ::OpenClipboard(owner_.Get()) != FALSE;
}

void Win32Clipboard::Close() {
  ::CloseClipboard();
}

void Win32Clipboard::Empty() {
  ::EmptyClipboard();
}

bool Win32Clipboard::SetText(const std::string& text) {
  UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  if (!memory) return false;
  auto* bytes = static_cast<char*>(::GlobalLock(memory.Get()));
  if (bytes == nullptr) return false;
  std::memcpy(bytes, text.data(), text.size());
  bytes[text.size()] = '\0';
  ::GlobalUnlock(memory.Get());
  if (::SetClipboardData(CF_TEXT, memory.Get()) == nullptr) return false;
  // The system owns the memory from here on.
  memory.Release();
  return true;
}

std::string Win32Clipboard::GetText() {
  HANDLE data = ::GetClipboardData(CF_TEXT);
  if (data == nullptr) return {};
  const auto* bytes = static_cast<const char*>(::GlobalLock(data));
  if (bytes == nullptr) return {};
  // Another program's block need not end in a zero byte: never read past its size.
  std::string text(bytes, ::strnlen(bytes, ::GlobalSize(data)));
  ::GlobalUnlock(data);
  return text;
}

std::wstring Win32Clipboard::GetUnicodeText() {
  HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return {};
  const auto* text = static_cast<const wchar_t*>(::GlobalLock(data));
  if (text == nullptr) return {};
  std::wstring copy(text, ::wcsnlen(text, ::GlobalSize(data) / sizeof(wchar_t)));
  ::GlobalUnlock(data);
  return copy;
}

namespace {

// The clipboard open for as long as the object lives.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(Win32Clipboard& clipboard) : clipboard_(clipboard) {
    if (!clipboard_.Open()) throw ClipboardError("Cannot open clipboard");
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() { clipboard_.Close(); }

 private:
  Win32Clipboard& clipboard_;
};

}  // namespace

void Win32Clipboard::PutBlock(unsigned format, std::string_view bytes) {
  // GlobalAlloc of 0 bytes gives a block that cannot be locked.
  UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size()));
  if (!memory) throw ClipboardError("Not enough memory for the clipboard");
  void* target = ::GlobalLock(memory.Get());
  if (target == nullptr) throw ClipboardError("Not enough memory for the clipboard");
  if (!bytes.empty()) std::memcpy(target, bytes.data(), bytes.size());
  ::GlobalUnlock(memory.Get());
  const OpenedClipboard opened(*this);
  Empty();
  if (::SetClipboardData(format, memory.Get()) == nullptr)
    throw ClipboardError("The clipboard did not take the data");
  // The system owns the memory from here on.
  memory.Release();
}

std::optional<std::string> Win32Clipboard::GetBlock(unsigned format) {
  if (format == 0 || !::IsClipboardFormatAvailable(format)) return std::nullopt;
  const OpenedClipboard opened(*this);
  HANDLE data = ::GetClipboardData(format);
  if (data == nullptr) return std::nullopt;
  const auto* bytes = static_cast<const char*>(::GlobalLock(data));
  if (bytes == nullptr) return std::nullopt;
  std::string block(bytes, ::GlobalSize(data));
  ::GlobalUnlock(data);
  return block;
}

}  // namespace vx::win32
