// The player's run loop and run log: logging on against off for 65,535 no-op steps at
// execution speed 0, and building the log for 65,536 steps against 8,192 (a log that grows
// linearly takes about 8 times as long).
#include <cstdio>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "BenchClock.h"
#include "UnusedPorts.h"
#include "core/PlayerRun.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"

namespace {

class Clock : public vx::TimeOfDaySource {
 public:
  std::string Now() const override { return "12:34:56"; }
};

class NoHost : public vx::RunHost {
 public:
  void ShowStep(const std::string&) override {}
  void ProcessMessages() override {}
  void Pause(std::uint32_t) override {}
};

vx::LogSetup Setup(bool enabled, const std::string& folder) {
  vx::LogSetup setup;
  setup.enabled = enabled;
  setup.folder = folder;
  setup.templateText = "<html><body><table>\n<!--content-->\n</table></body></html>\n";
  setup.scriptPath = "bench-log.vxz";
  return setup;
}

// A whole run: every step through the loop, then the page written.
double Run(const std::string& bytes, bool logOn, const std::string& folder) {
  const Clock clock;
  return vxbench::BestOf(5, [&] {
    vx::TLog log(Setup(logOn, folder), clock, nullptr);
    vx::PlayerState state;
    state.executionSpeed = 0;
    vxtest::UnusedPorts unused;  // the no-op steps reach no port
    vx::Ports ports{unused, unused, unused, unused, unused, unused, unused, unused};
    NoHost host;
    vx::RunScriptSteps(bytes, log, state, ports, host);
    log.Save();
  });
}

// Building the rows and the page for count steps of one outcome line each.
double BuildLog(int count) {
  const Clock clock;
  return vxbench::BestOf(5, [&] {
    vx::TLog log(Setup(true, "."), clock, nullptr);
    for (int i = 0; i < count; ++i) {
      log.BeginStep(vx::ckWait);
      log.Add("Sleep Started...");
    }
    (void)log.Page();
  });
}

}  // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
  // Keep freed memory in the process: otherwise every large log pays for fresh pages from
  // the system, and the figures measure page faults rather than the log's own work.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
  const std::string folder = argc > 1 ? argv[1] : "./";
  const std::vector<vx::TCommand> steps(65535, vx::TCommand{200, "", "", "", "", 1});
  const std::string bytes = vx::EncodeScript(steps, 0, -1);

  const double on = Run(bytes, true, folder);
  const double off = Run(bytes, false, folder);
  std::remove((folder + "bench-log.vxz.htm").c_str());
  std::printf("65,535 no-op steps: log on %.2f ms, log off %.2f ms, on / off %.2f\n", on * 1e3,
              off * 1e3, on / off);

  (void)BuildLog(65536);  // the heap has held the large log once before either is timed
  const double large = BuildLog(65536);
  const double small = BuildLog(8192);
  std::printf("log of 65,536 steps %.2f ms / of 8,192 steps %.2f ms: %.2f (linear: about 8)\n",
              large * 1e3, small * 1e3, large / small);
  return 0;
}
