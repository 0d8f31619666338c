// Tfrminfo, the "Info Window": a small borderless window at the bottom right of the work
// area that names the step being performed and, in extended mode, lists the run log's lines.
// It is the player's main window and the run's host: once shown it runs the script, and
// closing it ends the player.
#pragma once

#include <memory>

#include "core/PlayerRun.h"
#include "win32/forms/Form.h"
#include "win32/forms/ListBoxMirror.h"
#include "win32/forms/StdControls.h"

namespace vx::player {

// The window's run message, the first private message number.
inline constexpr UINT RunScriptMessageId = win32::FirstFormMessage;

class Tfrminfo : public win32::TForm, public RunHost {
 public:
  void Create();

  // RunHost
  void ShowStep(const std::string& caption) override;
  void ProcessMessages() override;
  void Pause(std::uint32_t milliseconds) override;
  LogMirror* LogLines() override;

  // Whether the run ended with an error: the program then ends with exit code 1, as a run
  // without a window does, once the user has closed the window.
  bool RunFailed() const { return runFailed_; }

  win32::TGradientBox grd;
  win32::TLabel Label1;
  win32::TLabel lblstep;
  win32::TImage Image1;
  win32::TListBox lstlog;

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void FormShow() override;
  void OnDpiChanged() override;
  // Esc closes the window, and so ends the player, only when no run is going on: while a
  // script runs, its own keystrokes may reach the window.
  void OnCancelKey() override;

 private:
  void RunScriptMessage();
  // Sizes the window for the mode and puts it flush into the work area's bottom right.
  void PlaceWindow();
  bool shown_ = false;
  bool extended_ = false;
  bool running_ = false;
  bool runFailed_ = false;
  std::unique_ptr<win32::ListBoxMirror> mirror_;
};

extern std::unique_ptr<Tfrminfo> frminfo;

}  // namespace vx::player
