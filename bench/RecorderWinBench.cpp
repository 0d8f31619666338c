// Recorder overhead: the latency of injected input as a low-level hook in a second process
// sees it, with no recording running and with the editor's recorder hooks recording every
// event (median and p99 of the time from SendInput to the other process's hook).
//
//   RecorderWinBench            runs both, starting its own listener each time
//   RecorderWinBench listen F N (internal) the listener: N injected events' times into F
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "InjectedInputListener.h"
#include "core/editor/dialogs/RecorderSession.h"
#include "editor/dialogs/RecorderHooks.h"

namespace {

using vxbench::Counter;
using vxbench::Percentile;

constexpr int EventCount = 1000;  // within the 3276 events a recording holds
constexpr int SpacingMs = 2;
const char* const ReadyEventName = "VxRecorderBenchListenerReady";

// Small pointer moves from a thread of their own, each one's sending time noted; this
// thread meanwhile runs its messages, as the editor's GUI thread does while recording.
std::vector<LONGLONG> SendMoves() {
  std::vector<LONGLONG> sent(EventCount);
  std::atomic<bool> done{false};
  const DWORD mainThread = ::GetCurrentThreadId();
  std::thread sender([&] {
    for (int k = 0; k < EventCount; ++k) {
      INPUT input{};
      input.type = INPUT_MOUSE;
      input.mi.dx = k % 2 == 0 ? 1 : -1;
      input.mi.dwFlags = MOUSEEVENTF_MOVE;
      sent[static_cast<std::size_t>(k)] = Counter();
      ::SendInput(1, &input, sizeof input);
      ::Sleep(SpacingMs);
    }
    done = true;
    ::PostThreadMessageA(mainThread, WM_NULL, 0, 0);
  });
  while (!done) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  sender.join();
  return sent;
}

bool Measure(const char* self, bool recording, double& medianOut, double& p99Out) {
  const std::string path = "recorder-bench-times.bin";
  HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, ReadyEventName);
  std::string command =
      std::string("\"") + self + "\" listen " + path + " " + std::to_string(EventCount);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION listener{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &listener)) {
    std::printf("cannot start the listener\n");
    return false;
  }
  ::WaitForSingleObject(ready, 10000);
  ::CloseHandle(ready);
  ::Sleep(200);

  // Installed after the listener's hook, so the recorder's runs first, as for a listener
  // that was there before the user clicked "Record".
  vx::editor::RecorderSession session;
  vx::editor::RecorderHooks hooks;
  if (recording) {
    session.Start({.recordMouse = true, .includeMouseMovement = true, .recordKeyboard = true},
                  ::GetTickCount());
    if (!hooks.Start(session, nullptr, {})) {
      std::printf("the recorder's hooks were refused\n");
      return false;
    }
  }
  const std::vector<LONGLONG> sent = SendMoves();
  hooks.Stop();
  ::WaitForSingleObject(listener.hProcess, 70000);
  ::CloseHandle(listener.hProcess);
  ::CloseHandle(listener.hThread);

  std::vector<LONGLONG> times(EventCount);
  FILE* in = std::fopen(path.c_str(), "rb");
  const std::size_t got = in ? std::fread(times.data(), sizeof(LONGLONG), times.size(), in) : 0;
  if (in) std::fclose(in);
  std::remove(path.c_str());
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  std::vector<double> latency;
  for (std::size_t k = 0; k < got; ++k)
    latency.push_back(static_cast<double>(times[k] - sent[k]) * 1000.0 /
                      static_cast<double>(frequency.QuadPart));
  if (latency.empty()) {
    std::printf("the listener saw no event\n");
    return false;
  }
  medianOut = Percentile(latency, 0.5);
  p99Out = Percentile(latency, 0.99);
  std::printf("%s: %zu of %d events seen (%zu recorded); latency ms: median %.3f, p99 %.3f\n",
              recording ? "recording   " : "no recording", latency.size(), EventCount,
              session.Data().size() / vx::RecordedEventSize, medianOut, p99Out);
  return got == static_cast<std::size_t>(EventCount);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "listen")
    return vxbench::ListenForInjectedInput(argv[2], std::atoi(argv[3]), ReadyEventName, false);
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  double baseMedian = 0, baseP99 = 0, recMedian = 0, recP99 = 0;
  bool all = Measure(self, false, baseMedian, baseP99);
  all = Measure(self, true, recMedian, recP99) && all;
  std::printf("added by recording: median %+.3f ms, p99 %+.3f ms (ratio of p99 %.2f)\n",
              recMedian - baseMedian, recP99 - baseP99, baseP99 > 0 ? recP99 / baseP99 : 0.0);
  return all ? 0 : 1;
}
