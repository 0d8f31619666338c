// Every port at once, for the ports a test does not expect its steps to use: any call
// fails the test loudly instead of passing unnoticed.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/Ports.h"
#include "core/ports/ClipboardPort.h"
#include "core/ports/FtpPort.h"
#include "core/ports/InputPort.h"
#include "core/ports/MessageBoxPort.h"
#include "core/ports/ShellPort.h"
#include "core/ports/SmtpPort.h"
#include "core/ports/SystemPort.h"
#include "core/ports/WindowPort.h"

namespace vxtest {

class UnusedPorts : public vx::ClipboardPort,
                    public vx::WindowPort,
                    public vx::SystemPort,
                    public vx::ShellPort,
                    public vx::InputPort,
                    public vx::SmtpPort,
                    public vx::FtpPort,
                    public vx::MessageBoxPort {
 public:
  // Clipboard
  bool Open() override { Fail("clipboard"); }
  void Close() override { Fail("clipboard"); }
  void Empty() override { Fail("clipboard"); }
  bool SetText(const std::string&) override { Fail("clipboard"); }
  std::string GetText() override { Fail("clipboard"); }
  // Windows
  vx::WindowHandle FindWindowByClass(const std::string&) override { Fail("windows"); }
  vx::WindowHandle GetDesktopWindow() override { Fail("windows"); }
  vx::WindowHandle GetWindow(vx::WindowHandle, std::uint32_t) override { Fail("windows"); }
  std::uint32_t GetExtendedStyle(vx::WindowHandle) override { Fail("windows"); }
  void SendClose(vx::WindowHandle) override { Fail("windows"); }
  void ShowWindow(vx::WindowHandle, std::int32_t) override { Fail("windows"); }
  void SetForegroundWindow(vx::WindowHandle) override { Fail("windows"); }
  void KillProcessOfWindow(vx::WindowHandle) override { Fail("windows"); }
  std::unique_ptr<vx::ShellApplication> CreateShellApplication() override { Fail("windows"); }
  // System
  void Sleep(std::uint32_t) override { Fail("system"); }
  std::string GetSystemDirectoryA() override { Fail("system"); }
  std::unique_ptr<vx::LoadedLibrary> LoadLibraryA(const std::string&) override { Fail("system"); }
  void CallWithFourZeroArguments(vx::ProcAddress) override { Fail("system"); }
  std::uint32_t GetPlatformId() override { Fail("system"); }
  void EnableShutdownPrivilege() override { Fail("system"); }
  bool ExitWindowsEx(std::uint32_t) override { Fail("system"); }
  void SetSystemPowerState(bool, bool) override { Fail("system"); }
  void LockWorkStation() override { Fail("system"); }
  // Shell
  int FileOperation(std::uint32_t, const std::string&, const std::string&, std::uint16_t) override {
    Fail("shell");
  }
  void FindFiles(const std::string&, const std::function<bool(const vx::FindEntry&)>&) override {
    Fail("shell");
  }
  std::int32_t RunFile(const std::string&, const std::string&, const std::string&,
                       const std::string&, std::uint16_t, bool) override {
    Fail("shell");
  }
  std::uint32_t CreateText(const std::string&, std::unique_ptr<vx::ShellTextFile>&) override {
    Fail("shell");
  }
  std::uint32_t AppendText(const std::string&, std::unique_ptr<vx::ShellTextFile>&) override {
    Fail("shell");
  }
  std::uint32_t ReadBytes(const std::string&, std::string&) override { Fail("shell"); }
  std::string ErrorText(std::uint32_t) override { Fail("shell"); }
  // Input
  vx::Keyboard& Keys() override { Fail("input"); }
  void MouseEvent(std::uint32_t) override { Fail("input"); }
  void SetCursorPos(std::int32_t, std::int32_t) override { Fail("input"); }
  void StartPlayback(const std::string&, std::uint32_t) override { Fail("input"); }
  bool PlaybackFinished() override { Fail("input"); }
  void AwaitPlayback() override { Fail("input"); }
  // SMTP and FTP
  void SetConnection(const std::string&, std::int32_t, const std::string&,
                     const std::string&) override {
    Fail("smtp");
  }
  void Send(const vx::SmtpMessage&) override { Fail("smtp"); }
  void Disconnect() override { Fail("smtp"); }
  void Connect() override { Fail("smtp or ftp"); }
  void SetConnection(const std::string&, const std::string&, const std::string&) override {
    Fail("ftp");
  }
  void Rename(const std::string&, const std::string&) override { Fail("ftp"); }
  void Delete(const std::string&) override { Fail("ftp"); }
  void Put(const std::string&, const std::string&) override { Fail("ftp"); }
  void Get(const std::string&, const std::string&) override { Fail("ftp"); }
  void Quit() override { Fail("ftp"); }
  // Message boxes
  void MessageBoxA(const std::string&, const std::string&, std::uint32_t) override {
    Fail("message box");
  }

 private:
  [[noreturn]] static void Fail(const char* port) {
    throw std::logic_error(std::string("a step used the ") + port +
                           " port, which this test does not expect");
  }
};

}  // namespace vxtest
