// The system clipboard, as text in the ANSI text format (CF_TEXT). The steps open and close
// it around each action themselves, so that what fails and what is logged stays theirs.
#pragma once

#include <string>

namespace vx {

class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  // OpenClipboard; false when another window holds it.
  virtual bool Open() = 0;
  // CloseClipboard; called once after every successful Open.
  virtual void Close() = 0;
  // EmptyClipboard: the whole content goes.
  virtual void Empty() = 0;
  // SetClipboardData with CF_TEXT; false when the system did not take the text.
  virtual bool SetText(const std::string& text) = 0;
  // GetClipboardData with CF_TEXT; the empty text when the clipboard holds no text.
  virtual std::string GetText() = 0;
};

}  // namespace vx
