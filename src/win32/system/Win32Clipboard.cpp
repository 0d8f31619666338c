#include "win32/system/Win32Clipboard.h"

#include <cstring>

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

}  // namespace vx::win32
