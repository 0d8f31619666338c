// The real clipboard, window and system ports with a recording run log.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "DesktopHelper.h"
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

}  // namespace vxtest
