// The application object: its title, the message loop, letting pending messages run, and the
// two ways an error that nothing caught reaches the user.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace vx::win32 {

class TApplication {
 public:
  // Common controls and visual styles for the forms.
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // The window whose closing ends the message loop; the default error report's owner.
  HWND MainWindow() const { return mainWindow_; }
  void SetMainWindow(HWND window) { mainWindow_ = window; }

  // Runs the message loop until Terminate. Errors that leave a handler are reported by
  // HandleException and the loop goes on.
  void Run();
  // Lets every message that is waiting run, then returns.
  void ProcessMessages();
  // The keys a message loop handles before dispatching: the accelerators of the form the
  // message is for, then the dialog keys (Tab, Enter, Esc) of that form. True when the
  // message was handled.
  static bool PreTranslate(MSG& msg);
  // Ends the message loop once control returns to it.
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The default error report, for use inside a catch block within the message loop: a box
  // with the error's message, the application title as caption, the stop icon and OK.
  void HandleException() noexcept;

 private:
  bool ProcessMessage();
  HWND ReportOwner() const;

  std::string title_;
  HWND mainWindow_ = nullptr;
  bool terminated_ = false;
};

// The one application object of the program.
TApplication& Application();

// The kind of an error for the "Application Error" box: vx::Error::Kind(), else the C++
// type of the exception.
std::string ErrorKind(const std::exception_ptr& error);
std::string ErrorMessage(const std::exception_ptr& error);

// The last-chance report outside the message loop: a box captioned "Application Error"
// with the stop icon, naming the kind of error and the program file, with the message.
void ShowLastChanceError(const std::exception_ptr& error) noexcept;
// The text of that box.
std::string LastChanceText(const std::exception_ptr& error, const std::string& programFile);

// The file name of the running program ("vexec.exe").
std::string ProgramFileName();

}  // namespace vx::win32
