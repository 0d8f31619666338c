// What the disk tests under Wine share: the real ports behind ExecuteStep, a log that
// keeps its lines, and the probe program copied where a test wants it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "DesktopHelper.h"
#include "LineLog.h"
#include "TempFolder.h"
#include "core/Interpreter.h"
#include "win32/PlatformPorts.h"

namespace vxtest {

struct RealShellRun {
  LineLog log;
  vx::win32::PlatformPorts platform;
  vx::Ports ports = platform.View();
  vx::PlayerState state;
  vx::StepContext context{log, state, ports};

  std::vector<std::string> Run(std::uint8_t kind, std::string p1, std::string p2 = "",
                               std::string p3 = "") {
    log.lines.clear();
    vx::TCommand step;
    step.kind = kind;
    step.p1 = std::move(p1);
    step.p2 = std::move(p2);
    step.p3 = std::move(p3);
    vx::ExecuteStep(context, step);
    return log.lines;
  }
};

inline std::string ProbeProgram() {
  return WindowsPath(DISK_PROBE);
}

inline std::string CopyProbe(const TempFolder& folder, const std::string& name) {
  const std::string target = folder.File(name);
  ::CopyFileA(ProbeProgram().c_str(), target.c_str(), FALSE);
  return target;
}

inline bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Polls until a probe has written what is expected: a test never relies on how long a
// program takes to start.
inline std::string WaitForLog(const std::string& path, const std::string& needle) {
  std::string text;
  WaitUntil([&] { return (text = ReadAll(path)).find(needle) != std::string::npos; });
  return text;
}

}  // namespace vxtest
