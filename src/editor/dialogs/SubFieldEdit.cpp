#include "editor/dialogs/SubFieldEdit.h"

#include <string>

#include "core/Command.h"
#include "core/editor/dialogs/CriteriaBoxes.h"
#include "win32/system/Win32Clipboard.h"

namespace vx::editor {

namespace {

// A Unicode box's text without the separator (SubFieldBoxPaste's rule, on wide text).
std::wstring WithoutSeparators(std::wstring text) {
  std::erase(text, static_cast<wchar_t>(FieldSeparator));
  return text;
}

}  // namespace

bool TSubFieldEdit::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CHAR:
      // A Unicode box's character past 255 is never the separator, whatever its low byte.
      if (wParam > 0xFF || SubFieldBoxTakesKey(static_cast<char>(wParam))) break;
      result = 0;
      return true;
    case WM_PASTE:
      PasteWithoutSeparators();
      result = 0;
      return true;
    case WM_SETTEXT:
      if (!lParam) break;
      if (Unicode()) {
        const std::wstring clean = WithoutSeparators(reinterpret_cast<const wchar_t*>(lParam));
        result = CallClassProc(message, wParam, reinterpret_cast<LPARAM>(clean.c_str()));
      } else {
        const std::string clean = SubFieldBoxPaste(reinterpret_cast<const char*>(lParam));
        result = CallClassProc(message, wParam, reinterpret_cast<LPARAM>(clean.c_str()));
      }
      return true;
    default:
      break;
  }
  return TEdit::OnWindowMessage(message, wParam, lParam, result);
}

std::string TSubFieldEdit::Admitted(const std::string& text) const {
  return SubFieldBoxPaste(text);
}

void TSubFieldEdit::PasteWithoutSeparators() {
  win32::Win32Clipboard clipboard;
  if (!clipboard.Open()) return;
  if (Unicode()) {
    // The clipboard's Unicode text, whole: its ANSI form holds look-alikes.
    const std::wstring clean = WithoutSeparators(clipboard.GetUnicodeText());
    clipboard.Close();
    ::SendMessageW(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(clean.c_str()));
    return;
  }
  const std::string text = clipboard.GetText();
  clipboard.Close();
  const std::string clean = SubFieldBoxPaste(text);
  ::SendMessageA(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(clean.c_str()));
}

}  // namespace vx::editor
