#include "editor/dialogs/SubFieldEdit.h"

#include "core/editor/dialogs/CriteriaBoxes.h"
#include "win32/system/Win32Clipboard.h"

namespace vx::editor {

bool TSubFieldEdit::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CHAR:
      if (SubFieldBoxTakesKey(static_cast<char>(wParam))) break;
      result = 0;
      return true;
    case WM_PASTE:
      PasteWithoutSeparators();
      result = 0;
      return true;
    case WM_SETTEXT:
      if (lParam) {
        const std::string clean = SubFieldBoxPaste(reinterpret_cast<const char*>(lParam));
        result = CallClassProc(message, wParam, reinterpret_cast<LPARAM>(clean.c_str()));
        return true;
      }
      break;
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
  const std::string text = clipboard.GetText();
  clipboard.Close();
  const std::string clean = SubFieldBoxPaste(text);
  ::SendMessageA(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(clean.c_str()));
}

}  // namespace vx::editor
