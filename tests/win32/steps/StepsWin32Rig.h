// The real clipboard, window and system ports with a recording run log, and the small waits
// that tests on a shared desktop need.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "LineLog.h"
#include "core/Interpreter.h"
#include "win32/ports/PortFactories.h"

namespace vxtest {

using LinesLog = vxtest::LineLog;

struct Win32Rig {
  LinesLog log;
  std::unique_ptr<vx::ClipboardPort> clipboard = vx::MakeClipboardPort();
  std::unique_ptr<vx::WindowPort> windows = vx::MakeWindowPort();
  std::unique_ptr<vx::SystemPort> system = vx::MakeSystemPort();
  vx::PlayerState state;
  vx::Ports ports{clipboard.get(), windows.get(), system.get()};
  vx::StepContext context{log, state, ports};

  void Run(std::uint8_t kind, const std::string& p1 = {}, const std::string& p2 = {}) {
    vx::TCommand step;
    step.kind = kind;
    step.p1 = p1;
    step.p2 = p2;
    vx::ExecuteStep(context, step);
  }
};

// Polls (letting this thread's messages run) until done() or about ten seconds passed.
inline bool WaitUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 500; ++i) {
    if (done()) return true;
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    ::Sleep(20);
  }
  return done();
}

}  // namespace vxtest
