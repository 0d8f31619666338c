// Playback fidelity: 500 recorded events played at speed index 2 and 4, each event's
// lateness as a low-level hook in a second process sees it (median, p99, max).
//
//   PlaybackWinBench            runs both speeds, starting its own listener each time
//   PlaybackWinBench listen F N (internal) the listener: N injected events' times into F
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "InjectedInputListener.h"
#include "core/playback/JournalRecord.h"
#include "core/playback/PlaybackSchedule.h"
#include "win32/input/Playback.h"

namespace {

using vxbench::Counter;
using vxbench::Percentile;

constexpr int EventCount = 500;
constexpr std::uint32_t Spacing = 15;  // recorded milliseconds between events
const char* const ReadyEventName = "VxPlaybackBenchListenerReady";

// Mouse moves across the screen with a Shift press and release every fourth event.
std::string MakeRecording() {
  std::string data;
  const auto shiftScan = static_cast<std::uint8_t>(::MapVirtualKeyA(VK_SHIFT, 0));
  for (int k = 0; k < EventCount; ++k) {
    const auto time = static_cast<std::uint32_t>(k) * Spacing;
    if (k % 4 == 1 || k % 4 == 2) {
      const std::uint32_t message = k % 4 == 1 ? vx::msg::KeyDown : vx::msg::KeyUp;
      vx::AppendRecordedEvent(data,
                              vx::MakeKeyRecord(message, VK_SHIFT, shiftScan, false, time, 0));
    } else {
      vx::AppendRecordedEvent(
          data, vx::MakeMouseRecord(vx::msg::MouseMove, 100 + k % 700, 300 + k % 200, time, 0));
    }
  }
  return data;
}

// The yardstick: the same events from a thread that spins to each due time and calls
// SendInput, with no hooks of its own; what the desktop's delivery alone costs.
void RawPlayback(const std::string& recording, std::uint32_t speed, LONGLONG start,
                 LONGLONG frequency) {
  vx::PlaybackSchedule schedule;
  schedule.Start(recording, speed, 0);
  for (;;) {
    const auto request = schedule.GetNext(0);
    if (request.finished) break;
    const LONGLONG due = start + static_cast<std::int32_t>(request.event.time) * frequency / 1000;
    while (Counter() < due) {
    }
    INPUT input{};
    if (const auto key = vx::KeyInputOf(request.event)) {
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key->vk;
      input.ki.wScan = key->scan;
      input.ki.dwFlags = key->up ? KEYEVENTF_KEYUP : 0;
    } else if (const auto mouse = vx::MouseInputOf(request.event)) {
      input.type = INPUT_MOUSE;
      input.mi.dx = mouse->x * 65536 / ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
      input.mi.dy = mouse->y * 65536 / ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
      input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    }
    ::SendInput(1, &input, sizeof input);
    schedule.Skip();
  }
}

bool Measure(const char* self, std::uint32_t speed, bool raw) {
  const std::string path = "playback-bench-times.bin";
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

  const std::string recording = MakeRecording();
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  LONGLONG start = Counter();
  if (raw) {
    RawPlayback(recording, speed, start, frequency.QuadPart);
  } else {
    vx::win32::StartPlayback(recording, speed);
  }
  while (!raw && !vx::win32::PlaybackFinished()) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    vx::win32::WaitForPlaybackOrMessage(50);
  }
  if (!raw) start = vx::win32::PlaybackStartCounter();
  ::WaitForSingleObject(listener.hProcess, 70000);
  ::CloseHandle(listener.hProcess);
  ::CloseHandle(listener.hThread);

  std::vector<LONGLONG> times(EventCount);
  FILE* in = std::fopen(path.c_str(), "rb");
  const std::size_t got = in ? std::fread(times.data(), sizeof(LONGLONG), times.size(), in) : 0;
  if (in) std::fclose(in);
  std::remove(path.c_str());
  times.resize(got);

  const std::int32_t delay = vx::DelayForSpeed(speed, 0);
  std::vector<double> lateness;
  for (std::size_t k = 0; k < times.size(); ++k) {
    const double dueMs =
        std::max(0.0, static_cast<double>(static_cast<std::int32_t>(k * Spacing) +
                                          delay * static_cast<std::int32_t>(k + 1)));
    const double seenMs =
        static_cast<double>(times[k] - start) * 1000.0 / static_cast<double>(frequency.QuadPart);
    lateness.push_back(seenMs - dueMs);
  }
  if (lateness.empty()) {
    std::printf("speed %u: the listener saw no event\n", speed);
    return false;
  }
  std::printf(
      "%s speed %u: %zu of %d events seen; lateness ms: median %.3f, p99 %.3f, max %.3f, min "
      "%.3f\n",
      raw ? "spinning SendInput" : "playback          ", speed, lateness.size(), EventCount,
      Percentile(lateness, 0.5), Percentile(lateness, 0.99),
      *std::max_element(lateness.begin(), lateness.end()),
      *std::min_element(lateness.begin(), lateness.end()));
  return lateness.size() == static_cast<std::size_t>(EventCount);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "listen")
    return vxbench::ListenForInjectedInput(argv[2], std::atoi(argv[3]), ReadyEventName, true);
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  bool all = true;
  for (std::uint32_t speed : {2u, 4u}) {
    all = Measure(self, speed, false) && all;
    all = Measure(self, speed, true) && all;
  }
  return all ? 0 : 1;
}
