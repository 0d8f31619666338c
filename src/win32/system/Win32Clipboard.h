// The system clipboard as CF_TEXT, owned by a hidden window of our own: with no owner window
// EmptyClipboard leaves the clipboard ownerless and SetClipboardData then fails.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ports/ClipboardPort.h"
#include "win32/Handles.h"

namespace vx::win32 {

class Win32Clipboard : public ClipboardPort {
 public:
  Win32Clipboard() = default;
  Win32Clipboard(const Win32Clipboard&) = delete;
  Win32Clipboard& operator=(const Win32Clipboard&) = delete;

  bool Open() override;
  void Close() override;
  void Empty() override;
  bool SetText(const std::string& text) override;
  std::string GetText() override;
  // CF_UNICODETEXT, which holds what the ANSI code page lacks (the system gives CF_TEXT
  // as its look-alikes); empty when there is none.
  std::wstring GetUnicodeText();

  // A registered format's data as one block of bytes (the editor's step clipboard). Each
  // opens and closes the clipboard itself, closed on every path. PutBlock replaces the
  // clipboard's content and throws ClipboardError when the clipboard cannot be opened or
  // does not take the block. GetBlock is nullopt when the clipboard holds no data of the
  // format; it reads no further than the memory block's size, and throws ClipboardError
  // when the clipboard cannot be opened.
  void PutBlock(unsigned format, std::string_view bytes);
  std::optional<std::string> GetBlock(unsigned format);

 private:
  // Made on first use, on the thread that uses the clipboard.
  UniqueWindow owner_;
};

}  // namespace vx::win32
