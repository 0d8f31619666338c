// What every test on the Windows desktop needs: waiting on a condition with a time-out while
// this thread's messages run, finding windows and reading their texts (also in other
// processes), answering message boxes, starting and stopping programs such as Wine's notepad,
// and the Windows path of a host path.
//
// Across processes the texts are read with the wide messages: under Wine the narrow ones
// return only the first character from another process.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "win32/Handles.h"

namespace vxtest {

// ---- waiting -------------------------------------------------------------------------

// Lets the messages waiting for this thread run, keys translated to characters.
inline void PumpMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

// Looks at condition until it holds or timeoutMs passed, letting this thread's messages run
// in between (a window of the test must keep answering); whether it held.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    PumpMessages();
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= until) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// ---- paths ---------------------------------------------------------------------------

// A host path as the Windows programs take it: Wine shows the host's root as drive Z:, so
// "/work/x" becomes "Z:\work\x". A path with a drive already is returned as it is.
inline std::string WindowsPath(const std::string& hostPath) {
  if (hostPath.size() > 1 && hostPath[1] == ':') return hostPath;
  std::string out = "Z:" + hostPath;
  for (char& c : out)
    if (c == '/') c = '\\';
  return out;
}

// ---- texts ---------------------------------------------------------------------------

inline std::string Narrow(const wchar_t* text) {
  const int size = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.pop_back();
  return out;
}

// A window's whole text, from this process or another.
inline std::wstring WideWindowText(HWND window) {
  const LRESULT length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  ::SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.c_str();
}

// A window's text in the ANSI code page, from this process or another.
inline std::string WindowText(HWND window) {
  return Narrow(WideWindowText(window).c_str());
}

// A top-level window's caption, read without a message: a program busy in a step cannot
// hold the reader up.
inline std::string Caption(HWND window) {
  wchar_t buffer[1024] = {};
  ::GetWindowTextW(window, buffer, static_cast<int>(std::size(buffer)));
  return Narrow(buffer);
}

// The texts of a window's direct children, in their order (a message box's buttons and its
// text are among them).
inline std::vector<std::string> ChildTexts(HWND window) {
  std::vector<std::string> texts;
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    texts.push_back(WindowText(child));
  return texts;
}

// The items of a list box, from this process or another.
inline std::vector<std::string> ListBoxItems(HWND list) {
  std::vector<std::string> items;
  const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(buffer.data()));
    items.push_back(Narrow(buffer.c_str()));
  }
  return items;
}

// ---- windows -------------------------------------------------------------------------

// Which top-level window is meant; an empty or missing field matches any window.
struct WindowMatch {
  std::string className{};
  std::optional<std::string> caption{};
  DWORD processId = 0;
  bool visibleOnly = true;  // a window still being built is not yet there
};

inline DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  return process;
}

// Every top-level window that matches, as the desktop orders them now.
inline std::vector<HWND> FindTopWindows(const WindowMatch& match) {
  std::vector<HWND> found;
  for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    if (match.visibleOnly && !::IsWindowVisible(w)) continue;
    if (match.processId != 0 && ProcessOf(w) != match.processId) continue;
    if (!match.className.empty()) {
      char name[256] = {};
      ::GetClassNameA(w, name, sizeof name);
      if (match.className != name) continue;
    }
    if (match.caption && Caption(w) != *match.caption) continue;
    found.push_back(w);
  }
  return found;
}

inline HWND FindTopWindow(const WindowMatch& match) {
  const std::vector<HWND> found = FindTopWindows(match);
  return found.empty() ? nullptr : found.front();
}

// Waits for a matching window; null when none came within timeoutMs.
inline HWND WaitForWindow(const WindowMatch& match, DWORD timeoutMs = 10000) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(match)) != nullptr; }, timeoutMs);
  return found;
}

// ---- message boxes -------------------------------------------------------------------

// Which message box is meant; an empty field or a zero process matches any.
struct BoxMatch {
  std::string caption{};
  std::string text{};
  DWORD processId = 0;
};

struct AnsweredBox {
  std::string caption{};
  std::string text{};
};

// The text of a message box (its static control 0xFFFF).
inline std::string MessageBoxText(HWND box) {
  const HWND text = ::GetDlgItem(box, 0xFFFF);
  return text ? WindowText(text) : std::string();
}

// Presses button (IDOK, IDYES, ...) of a box as a click would.
inline void PressBoxButton(HWND box, int button = IDOK) {
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(box, button)));
}

// A shown message box that matches; null when there is none now.
inline HWND FindMessageBox(const BoxMatch& match) {
  WindowMatch window{"#32770", std::nullopt, match.processId};
  if (!match.caption.empty()) window.caption = match.caption;
  for (HWND box : FindTopWindows(window))
    if (match.text.empty() || MessageBoxText(box) == match.text) return box;
  return nullptr;
}

// Waits for a matching box, reads it and presses button; nullopt when none came.
inline std::optional<AnsweredBox> AnswerMessageBox(const BoxMatch& match, int button = IDOK,
                                                   DWORD timeoutMs = 10000) {
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = FindMessageBox(match)) != nullptr; }, timeoutMs))
    return std::nullopt;
  AnsweredBox answered{Caption(box), MessageBoxText(box)};
  PressBoxButton(box, button);
  return answered;
}

// For a box the test's own thread shows (and waits in): a thread of its own that answers
// every matching box with button until the answerer goes, noting what each box said.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(BoxMatch match, int button = IDOK)
      : thread_([this, match = std::move(match), button] { Run(match, button); }) {}
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
  ~MessageBoxAnswerer() {
    stop_ = true;
    thread_.join();
  }

  std::vector<AnsweredBox> Answered() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return answered_;
  }

 private:
  void Run(const BoxMatch& match, int button) {
    HWND last = nullptr;
    while (!stop_) {
      const HWND box = FindMessageBox(match);
      if (box && box != last) {
        AnsweredBox seen{Caption(box), MessageBoxText(box)};
        {
          std::lock_guard<std::mutex> lock(mutex_);
          answered_.push_back(std::move(seen));
        }
        last = box;
      }
      if (box) PressBoxButton(box, button);
      ::Sleep(20);
    }
  }

  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<AnsweredBox> answered_;
  std::thread thread_;  // last: starts once the rest is built
};

// ---- a user's keyboard and pointer ---------------------------------------------------
// Through the system's input: keys reach the foreground window's focus, clicks the window
// under the pointer.

// Keys pressed together: down in order, up in reverse.
inline void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    inputs.push_back(down);
  }
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *key;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(up);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Text typed into the focused control, character by character: any character, also one
// the ANSI code page lacks.
inline void TypeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (const wchar_t c : text) {
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wScan = static_cast<WORD>(c);
    key.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(key);
    key.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(key);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
inline void TypeText(const std::string& text) {
  std::wstring wide;
  for (const char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  TypeText(wide);
}

// The left button pressed and released in the middle of a window. Each event carries its
// own position: a pointer warped with SetCursorPos may be put back by the X server's report
// of an older position.
inline void ClickWithPointer(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  const auto normal = [](long at, int metric) {
    const int size = ::GetSystemMetrics(metric);
    return static_cast<LONG>((at * 65536 + size - 1) / size);
  };
  INPUT click[2]{};
  for (const DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
    INPUT& input = click[button == MOUSEEVENTF_LEFTUP];
    input.type = INPUT_MOUSE;
    input.mi.dx = normal((r.left + r.right) / 2, SM_CXSCREEN);
    input.mi.dy = normal((r.top + r.bottom) / 2, SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
  }
  ::SendInput(2, click, sizeof(INPUT));
}

// Whether the keyboard focus of window's thread is window or inside it.
inline bool HasFocus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return false;
  return info.hwndFocus == window || ::IsChild(window, info.hwndFocus);
}

// ---- programs ------------------------------------------------------------------------

// A started program, ended with its owner if it still runs (a failed test leaves nothing
// behind on the shared desktop).
class Program {
 public:
  Program() = default;
  explicit Program(const PROCESS_INFORMATION& info)
      : process_(info.hProcess), thread_(info.hThread), id_(info.dwProcessId) {}
  Program(Program&&) noexcept = default;
  Program& operator=(Program&& other) noexcept {
    if (this != &other) {
      Stop();
      process_ = std::move(other.process_);
      thread_ = std::move(other.thread_);
      id_ = std::exchange(other.id_, 0);
    }
    return *this;
  }
  ~Program() { Stop(); }

  bool Started() const { return static_cast<bool>(process_); }
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.Get(); }

  // The exit code once the program has ended within timeoutMs; nullopt while it runs.
  std::optional<DWORD> Wait(DWORD timeoutMs) const {
    if (!Started() || ::WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0)
      return std::nullopt;
    DWORD code = 0;
    ::GetExitCodeProcess(process_.Get(), &code);
    return code;
  }
  bool Running() const { return Started() && !Wait(0); }

  // Ends the program if it still runs, and waits until it has.
  void Stop() {
    if (!Running()) return;
    ::TerminateProcess(process_.Get(), 99);
    ::WaitForSingleObject(process_.Get(), 5000);
  }

 private:
  vx::win32::UniqueHandle process_;
  vx::win32::UniqueHandle thread_;
  DWORD id_ = 0;
};

// Quotes an argument that holds blanks, as the system's command-line splitting expects.
inline std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  return '"' + argument + '"';
}

// Starts a command line (the program found on the search path, as "notepad.exe"); the wide
// form also takes characters the ANSI code page lacks.
inline Program StartCommand(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
    return Program();
  return Program(info);
}

inline Program StartCommand(const std::string& commandLine) {
  std::wstring wide(commandLine.size(), L'\0');
  const int length =
      ::MultiByteToWideChar(CP_ACP, 0, commandLine.data(), static_cast<int>(commandLine.size()),
                            wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return StartCommand(std::move(wide));
}

// Starts program with the arguments, each quoted where needed.
inline Program StartProgram(const std::string& program, const std::vector<std::string>& args) {
  std::string commandLine = QuoteArgument(program);
  for (const std::string& arg : args) commandLine.append(" ").append(QuoteArgument(arg));
  return StartCommand(std::move(commandLine));
}

// Runs a command line to its end; its exit code, or nullopt when it did not start or did not
// end within timeoutMs (it is then stopped).
inline std::optional<DWORD> RunCommand(const std::string& commandLine, DWORD timeoutMs = 30000) {
  const Program program = StartCommand(commandLine);
  return program.Wait(timeoutMs);
}

// Wine's notepad in a process of its own, its window shown; stopped with the object.
class Notepad {
 public:
  Notepad() : program_(StartCommand("notepad.exe")) {
    if (!program_.Started()) return;
    frame_ = WaitForWindow({"Notepad", std::nullopt, program_.Id()});
    if (frame_) edit_ = ::FindWindowExA(frame_, nullptr, "Edit", nullptr);
  }

  // Whether it started and its window with the edit control came.
  bool Ready() const { return edit_ != nullptr; }
  HWND Frame() const { return frame_; }
  HWND Edit() const { return edit_; }
  std::string Text() const { return WindowText(edit_); }
  const Program& Process() const { return program_; }
  bool Focus() const {
    ::SetForegroundWindow(frame_);
    return WaitUntil([&] { return ::GetForegroundWindow() == frame_; }, 3000);
  }

 private:
  Program program_;
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
};

}  // namespace vxtest
