#include "win32/input/Playback.h"

#include <windows.h>
// mmsystem.h needs windows.h first.
#include <mmsystem.h>

#include <atomic>
#include <thread>

#include "core/playback/PlaybackSchedule.h"
#include "win32/Handles.h"
#include "win32/input/PlaybackDriver.h"
#include "win32/input/PlaybackHooks.h"

namespace vx::win32 {

namespace {

// The program's one playback.
struct PlaybackState {
  PlaybackSchedule schedule;  // the driver thread's alone while it runs
  std::atomic<bool> finished{false};
  std::atomic<bool> cancelled{false};
  UniqueHandle finishedEvent{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  std::thread driver;
  std::atomic<LONGLONG> startCounter{0};

  ~PlaybackState() { Stop(); }

  // Cancels a running playback and waits for its thread.
  void Stop() {
    if (driver.joinable()) {
      cancelled = true;
      driver.join();
    }
    Finish();
  }

  void Finish() {
    finished = true;
    ::SetEvent(finishedEvent.Get());
  }
};

PlaybackState& State() {
  static PlaybackState state;
  return state;
}

// The system timer at its finest for as long as a playback sleeps between events.
class FineTimer {
 public:
  FineTimer() { ::timeBeginPeriod(1); }
  ~FineTimer() { ::timeEndPeriod(1); }
  FineTimer(const FineTimer&) = delete;
  FineTimer& operator=(const FineTimer&) = delete;
};

// The playback's thread: the user's input is held back for its whole length. The clock
// starts once the hooks are in place, so that setting them up delays no event.
void DriverMain(PlaybackState& state, const std::string& recording, std::uint32_t speed) noexcept {
  try {
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    const FineTimer timer;
    const InputHoldHooks hold(state.cancelled);
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    state.startCounter = start.QuadPart;
    state.schedule.Start(recording, speed, ::GetTickCount());
    PlaybackDriver(state.schedule, start.QuadPart, state.cancelled).Run();
  } catch (...) {
    // Nothing may leave the thread; the playback is over either way.
  }
  state.Finish();
}

}  // namespace

void StartPlayback(const std::string& recording, std::uint32_t speed) {
  PlaybackState& state = State();
  state.Stop();  // one at a time: a running playback ends before the next starts
  if (recording.empty()) {
    state.Finish();
    return;
  }
  if (RecordedEventCount(recording) == 0) {
    state.schedule.Start(recording, speed, ::GetTickCount());  // the speed still counts
    state.Finish();                                            // no whole event: nothing to play
    return;
  }
  state.cancelled = false;
  ::ResetEvent(state.finishedEvent.Get());
  state.finished = false;
  try {
    state.driver = std::thread(DriverMain, std::ref(state), recording, speed);
  } catch (...) {
    state.Finish();  // no thread, no playback: no caller may wait for ever
  }
}

std::int64_t PlaybackStartCounter() {
  return State().startCounter;
}

bool PlaybackFinished() {
  return State().finished;
}

void StopPlayback() {
  State().Stop();
}

void WaitForPlaybackOrMessage(std::uint32_t timeoutMs) {
  const HANDLE finished = State().finishedEvent.Get();
  ::MsgWaitForMultipleObjectsEx(1, &finished, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace vx::win32
