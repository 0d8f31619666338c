// Recording fakes of the clipboard, window and system ports and of the run log. Every port
// call and every log line goes into one journal, so tests see their order across both.
#pragma once

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "LineLog.h"
#include "UnusedPorts.h"
#include "core/Errors.h"
#include "core/Interpreter.h"
#include "core/ports/ClipboardPort.h"
#include "core/ports/MessageBoxPort.h"
#include "core/ports/SystemPort.h"
#include "core/ports/WindowPort.h"

namespace vxtest {

using Journal = std::vector<std::string>;

class FakeClipboard : public vx::ClipboardPort {
 public:
  explicit FakeClipboard(Journal& journal) : journal_(journal) {}
  bool Open() override {
    journal_.push_back(openSucceeds ? "Open" : "Open failed");
    return openSucceeds;
  }
  void Close() override { journal_.push_back("Close"); }
  void Empty() override {
    journal_.push_back("Empty");
    text.clear();
  }
  bool SetText(const std::string& value) override {
    journal_.push_back("SetText " + value);
    if (setSucceeds) text = value;
    return setSucceeds;
  }
  std::string GetText() override {
    journal_.push_back("GetText");
    return text;
  }

  bool openSucceeds = true;
  bool setSucceeds = true;
  std::string text;

 private:
  Journal& journal_;
};

class FakeShellApplication : public vx::ShellApplication {
 public:
  FakeShellApplication(Journal& journal, bool fails) : journal_(journal), fails_(fails) {}
  ~FakeShellApplication() override { journal_.push_back("Release"); }
  void MinimizeAll() override {
    journal_.push_back("MinimizeAll");
    if (fails_) throw vx::ComError("Not implemented");
  }

 private:
  Journal& journal_;
  bool fails_;
};

// A desktop of top-level windows in Z-order, each with a class and an extended style.
class FakeWindows : public vx::WindowPort {
 public:
  struct Window {
    vx::WindowHandle handle;
    std::string className;
    std::uint32_t extendedStyle;
  };
  static constexpr vx::WindowHandle Desktop = 0x10010;

  explicit FakeWindows(Journal& journal) : journal_(journal) {}

  vx::WindowHandle FindWindowByClass(const std::string& className) override {
    journal_.push_back("FindWindowA " + className);
    for (const Window& w : windows)
      if (w.className == className) return w.handle;
    return 0;
  }
  vx::WindowHandle GetDesktopWindow() override { return Desktop; }
  vx::WindowHandle GetWindow(vx::WindowHandle window, std::uint32_t command) override {
    journal_.push_back("GetWindow " + std::to_string(window) + " " + std::to_string(command));
    if (window == Desktop && command == vx::GwChild)
      return windows.empty() ? 0 : windows.front().handle;
    for (std::size_t i = 0; i + 1 < windows.size(); ++i)
      if (windows[i].handle == window && command == vx::GwHwndNext) return windows[i + 1].handle;
    return 0;
  }
  std::uint32_t GetExtendedStyle(vx::WindowHandle window) override {
    for (const Window& w : windows)
      if (w.handle == window) return w.extendedStyle;
    return 0;
  }
  void SendClose(vx::WindowHandle window) override {
    journal_.push_back("WM_CLOSE " + std::to_string(window));
  }
  void ShowWindow(vx::WindowHandle window, std::int32_t command) override {
    journal_.push_back("ShowWindow " + std::to_string(window) + " " + std::to_string(command));
  }
  void SetForegroundWindow(vx::WindowHandle window) override {
    journal_.push_back("SetForegroundWindow " + std::to_string(window));
  }
  void KillProcessOfWindow(vx::WindowHandle window) override {
    journal_.push_back("Kill " + std::to_string(window));
  }
  std::unique_ptr<vx::ShellApplication> CreateShellApplication() override {
    journal_.push_back("Create Shell.Application");
    if (createFails) throw vx::ComError("CoInitialize has not been called.");
    return std::make_unique<FakeShellApplication>(journal_, minimizeFails);
  }

  std::vector<Window> windows;
  bool createFails = false;
  bool minimizeFails = false;

 private:
  Journal& journal_;
};

class FakeLibrary : public vx::LoadedLibrary {
 public:
  FakeLibrary(Journal& journal, std::map<std::string, vx::ProcAddress> exports)
      : journal_(journal), exports_(std::move(exports)) {}
  ~FakeLibrary() override { journal_.push_back("FreeLibrary"); }
  vx::ProcAddress GetProcAddress(const std::string& name) override {
    journal_.push_back("GetProcAddress " + name);
    const auto found = exports_.find(name);
    return found == exports_.end() ? 0 : found->second;
  }

 private:
  Journal& journal_;
  std::map<std::string, vx::ProcAddress> exports_;
};

class FakeSystem : public vx::SystemPort {
 public:
  explicit FakeSystem(Journal& journal) : journal_(journal) {}

  void Sleep(std::uint32_t milliseconds) override {
    journal_.push_back("Sleep " + std::to_string(milliseconds));
  }
  std::string GetSystemDirectoryA() override {
    journal_.push_back("GetSystemDirectoryA");
    return "C:\\WINDOWS\\system32";
  }
  std::unique_ptr<vx::LoadedLibrary> LoadLibraryA(const std::string& path) override {
    journal_.push_back("LoadLibraryA " + path);
    const auto found = libraries.find(path);
    if (found == libraries.end()) return nullptr;
    return std::make_unique<FakeLibrary>(journal_, found->second);
  }
  void CallWithFourZeroArguments(vx::ProcAddress function) override {
    journal_.push_back("CallWindowProcA " + std::to_string(function));
  }
  std::uint32_t GetPlatformId() override { return platformId; }
  void EnableShutdownPrivilege() override { journal_.push_back("EnableShutdownPrivilege"); }
  bool ExitWindowsEx(std::uint32_t flags) override {
    journal_.push_back("ExitWindowsEx " + std::to_string(flags));
    return exitSucceeds;
  }
  void SetSystemPowerState(bool suspend, bool force) override {
    journal_.push_back("SetSystemPowerState " + std::to_string(suspend) + " " +
                       std::to_string(force));
  }
  void LockWorkStation() override { journal_.push_back("LockWorkStation"); }

  // Library path -> its exported functions.
  std::map<std::string, std::map<std::string, vx::ProcAddress>> libraries;
  std::uint32_t platformId = vx::PlatformWin32Nt;
  bool exitSucceeds = true;

 private:
  Journal& journal_;
};

// Notes each box as "Box <caption> <style in hex> <text>".
class FakeBoxes : public vx::MessageBoxPort {
 public:
  explicit FakeBoxes(Journal& journal) : journal_(journal) {}
  void MessageBoxA(const std::string& text, const std::string& caption,
                   std::uint32_t style) override {
    std::ostringstream line;
    line << "Box " << caption << " " << std::hex << style << " " << text;
    journal_.push_back(line.str());
  }

 private:
  Journal& journal_;
};

// One player with every fake wired in.
struct StepsRig {
  Journal journal;
  LineLog log{journal};
  FakeClipboard clipboard{journal};
  FakeWindows windows{journal};
  FakeSystem system{journal};
  FakeBoxes boxes{journal};
  UnusedPorts unused;
  vx::PlayerState state;
  vx::Ports ports{.clipboard = clipboard,
                  .windows = windows,
                  .system = system,
                  .shell = unused,
                  .input = unused,
                  .smtp = unused,
                  .ftp = unused,
                  .boxes = boxes};
  vx::StepContext context{log, state, ports};

  void Run(std::uint8_t kind, const std::string& p1 = {}, const std::string& p2 = {}) {
    vx::TCommand step;
    step.kind = kind;
    step.p1 = p1;
    step.p2 = p2;
    vx::ExecuteStep(context, step);
  }
};

}  // namespace vxtest
