#include "editor/dialogs/KeyCaptureEdit.h"

namespace vx::editor {

bool TKeyCaptureEdit::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_GETDLGCODE:
      // Tab is typed into the text also without the capture.
      result = CallClassProc(message, wParam, lParam) | DLGC_WANTTAB;
      if (capture_ && capture_->On()) result |= DLGC_WANTALLKEYS;
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      dropNextChar_ = false;
      if (!capture_) break;
      const std::optional<std::string> token =
          capture_->KeyDown(static_cast<std::uint32_t>(wParam));
      if (!token) break;
      ::SendMessageA(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(token->c_str()));
      dropNextChar_ = true;
      result = 0;
      return true;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      if (!dropNextChar_) break;
      dropNextChar_ = false;
      result = 0;
      return true;
    default:
      break;
  }
  return TEdit::OnWindowMessage(message, wParam, lParam, result);
}

}  // namespace vx::editor
