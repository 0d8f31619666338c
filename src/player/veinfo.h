// Tfrminfo, the "Info Window": a small borderless window at the bottom right of the work
// area that names the step being performed and, in extended mode, lists the run log's lines.
// It is the player's main window: once shown it runs the script, and closing it ends the
// player.
#pragma once

#include <memory>

#include "win32/forms/Form.h"

namespace vx::player {

// The window's run message, the first user-defined message number.
inline constexpr UINT RunScriptMessageId = WM_USER + 1;

class Tfrminfo : public win32::TForm {
 public:
  void Create();

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void FormShow() override;
  void OnDpiChanged() override;

 private:
  void RunScriptMessage();
  // Sizes the window for the mode and puts it flush into the work area's bottom right.
  void PlaceWindow();
  bool shown_ = false;
  bool extended_ = false;
};

extern std::unique_ptr<Tfrminfo> frminfo;

}  // namespace vx::player
