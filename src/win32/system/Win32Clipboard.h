// The system clipboard as CF_TEXT, owned by a hidden window of our own: with no owner window
// EmptyClipboard leaves the clipboard ownerless and SetClipboardData then fails.
#pragma once

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

 private:
  // Made on first use, on the thread that uses the clipboard.
  UniqueWindow owner_;
};

}  // namespace vx::win32
