#include "win32/input/PlaybackDriver.h"

#include <algorithm>

namespace vx::win32 {

namespace {

LONGLONG Counter() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// A normalised absolute coordinate that the system maps back onto exactly pixel p of a
// span of size pixels (it takes the integer part of n * size / 65536).
LONG Normalised(LONG p, LONG origin, LONG size) {
  if (size <= 0) return 0;
  const LONGLONG offset = static_cast<LONGLONG>(p) - origin;
  return static_cast<LONG>((offset * 65536 + size - 1) / size);
}

// Waits longer than this are slept; the rest is spun, for millisecond accuracy.
constexpr LONGLONG SpinMilliseconds = 3;
constexpr LONGLONG MaxSleepMilliseconds = 20;

}  // namespace

PlaybackDriver::PlaybackDriver(PlaybackSchedule& schedule, LONGLONG start,
                               std::atomic<bool>& cancelled)
    : schedule_(schedule), start_(start), cancelled_(cancelled) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  frequency_ = frequency.QuadPart;
  // Asking for the desktop's size can take a while; it does not change during a playback.
  screen_.left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  screen_.top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  screen_.right = screen_.left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
  screen_.bottom = screen_.top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

std::uint32_t PlaybackDriver::NowTick() const {
  const LONGLONG elapsed = (Counter() - start_) * 1000 / frequency_;
  return schedule_.StartTick() + static_cast<std::uint32_t>(elapsed);
}

bool PlaybackDriver::WaitUntil(LONGLONG counter) const {
  for (;;) {
    if (cancelled_) return false;
    const LONGLONG remaining = counter - Counter();
    if (remaining <= 0) return true;
    const LONGLONG ms = remaining * 1000 / frequency_;
    if (ms > SpinMilliseconds) {
      // A plain sleep needs no round trip to the system (Wine's server) that delivers the
      // input, so it wakes on time; short slices keep a cancel prompt.
      ::Sleep(static_cast<DWORD>(std::min<LONGLONG>(ms - SpinMilliseconds, MaxSleepMilliseconds)));
    } else {
      YieldProcessor();  // a pause, not a yield: giving the processor away may cost a tick
    }
  }
}

void PlaybackDriver::Run() {
  for (;;) {
    const PlaybackSchedule::Request request = schedule_.GetNext(NowTick());
    if (request.finished) break;
    const auto due = static_cast<std::int32_t>(request.event.time - schedule_.StartTick());
    // Everything that takes time is done before the wait, so the event leaves on time.
    std::optional<INPUT> input = Translate(request.event);
    if (!WaitUntil(start_ + static_cast<LONGLONG>(due) * frequency_ / 1000)) break;
    if (input) ::SendInput(1, &*input, sizeof(INPUT));
    schedule_.Skip();
  }
  ReleaseEverything();
}

INPUT PlaybackDriver::MouseInput(const vx::MouseInput& mouse) const {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(mouse.x, screen_.left, screen_.right - screen_.left);
  input.mi.dy = Normalised(mouse.y, screen_.top, screen_.bottom - screen_.top);
  input.mi.dwFlags =
      MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | mouse.buttons;
  input.mi.mouseData = static_cast<DWORD>(mouse.wheel);
  return input;
}

std::optional<INPUT> PlaybackDriver::Translate(const RecordedEvent& event) {
  INPUT input{};
  if (const auto key = KeyInputOf(event)) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key->vk;
    input.ki.wScan = key->scan;
    input.ki.dwFlags =
        (key->extended ? KEYEVENTF_EXTENDEDKEY : 0) | (key->up ? KEYEVENTF_KEYUP : 0);
    keysDown_.set(key->vk, !key->up);
  } else if (const auto mouse = MouseInputOf(event)) {
    input = MouseInput(*mouse);
    // Each up flag is its down flag shifted left by one.
    buttonsDown_ |=
        mouse->buttons & (mouseflag::LeftDown | mouseflag::RightDown | mouseflag::MiddleDown);
    buttonsDown_ &= ~((mouse->buttons >> 1) &
                      (mouseflag::LeftDown | mouseflag::RightDown | mouseflag::MiddleDown));
  } else {
    return std::nullopt;  // neither a key nor a mouse message: nothing to send
  }
  return input;
}

void PlaybackDriver::ReleaseEverything() {
  std::vector<INPUT> releases;
  for (int vk = 0; vk < 256; ++vk) {
    if (!keysDown_.test(vk)) continue;
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(vk);
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    releases.push_back(input);
  }
  if (buttonsDown_ != 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = buttonsDown_ << 1;
    releases.push_back(input);
  }
  if (!releases.empty()) {
    ::SendInput(static_cast<UINT>(releases.size()), releases.data(), sizeof(INPUT));
  }
  keysDown_.reset();
  buttonsDown_ = 0;
}

}  // namespace vx::win32
