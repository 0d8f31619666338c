// The real ports with a recording run log.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "DesktopHelper.h"
#include "LineLog.h"
#include "core/Interpreter.h"
#include "win32/PlatformPorts.h"

namespace vxtest {

struct Win32Rig {
  LineLog log;
  vx::win32::PlatformPorts platform;
  vx::Ports ports = platform.View();
  vx::PlayerState state;
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
