// The end of the Windows session (log off, restart, shut down, also started by a script's
// own step) meets the editor as its Exit does: the close question first, then what closing
// stores.
#include "editor/main/FrmMain.h"
#include "win32/forms/Application.h"

namespace vx::editor {

bool Tfrmmain::SessionMessage(UINT message, WPARAM wParam, LRESULT& result) {
  switch (message) {
    case WM_QUERYENDSESSION:
      result = QueryEndSession() ? TRUE : FALSE;
      return true;
    case WM_ENDSESSION:
      if (wParam) EndSession();
      result = 0;
      return true;
    default:
      return false;
  }
}

// The session may end once the document is saved or the user lets it go unsaved. While a
// window of the editor holds the main window (a step dialog with a step not yet applied, a
// box, a file dialog), it may not end and nothing is asked: the user finishes there first.
// A question of the main window's would, once answered, leave the main window enabled under
// that window (Wine enables a box's owner whatever it was).
bool Tfrmmain::QueryEndSession() {
  if (!::IsWindowEnabled(Handle())) return false;
  try {
    return CloseQuery();
  } catch (...) {
    // A save that failed is shown as every failed command is, and the document unsaved
    // keeps the session from ending.
    win32::Application().HandleException();
    return false;
  }
}

// The session ends once this returns. What a close stores is stored now, and the program
// ends without asking again: the question was asked, or the end was forced and leaves no
// time for one. A dialog still open ends with the message loop, as Cancel.
void Tfrmmain::EndSession() {
  FormClose();
  ::ShowWindow(Handle(), SW_HIDE);
  win32::Application().Terminate();
}

}  // namespace vx::editor
