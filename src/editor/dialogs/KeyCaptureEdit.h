// The Send Keys text box: while the key capture is on, a special key pressed in it writes
// its "{NAME}" at the caret and does nothing else. The box asks the dialog for every key
// (Tab, Enter, Esc and the arrows would otherwise move the focus or close the dialog before
// it sees them), and the character the keyboard makes of a captured key (Backspace's,
// Tab's, Enter's) is dropped, so Backspace no longer deletes.
#pragma once

#include "core/editor/dialogs/KeyCapture.h"
#include "win32/forms/StdControls.h"

namespace vx::editor {

class TKeyCaptureEdit : public win32::TEdit {
 public:
  void SetCapture(const KeyCapture* capture) { capture_ = capture; }

 protected:
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  const KeyCapture* capture_ = nullptr;
  bool dropNextChar_ = false;
};

}  // namespace vx::editor
