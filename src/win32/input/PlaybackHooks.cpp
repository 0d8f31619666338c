#include "win32/input/PlaybackHooks.h"

#include "win32/Handles.h"

namespace vx::win32 {

// The hook procedures reach the one running filter through this pointer; one playback at
// a time means one set of hooks at a time.
struct HookAccess {
  static std::atomic<InputHoldHooks*> current;

  static LRESULT Decide(InputHoldHooks& hooks, HeldInput decision) {
    if (decision == HeldInput::Cancel) hooks.cancelled_ = true;
    return 1;  // held back or cancelling: the event goes no further
  }

  static LRESULT CALLBACK Keyboard(int code, WPARAM wParam, LPARAM lParam) noexcept {
    InputHoldHooks* hooks = current.load();
    if (code == HC_ACTION && hooks != nullptr) {
      const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
      const HeldInput decision =
          hooks->filter_.Key(static_cast<std::uint8_t>(info->vkCode), (info->flags & LLKHF_UP) != 0,
                             (info->flags & LLKHF_INJECTED) != 0);
      if (decision != HeldInput::Pass) return Decide(*hooks, decision);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static LRESULT CALLBACK Mouse(int code, WPARAM wParam, LPARAM lParam) noexcept {
    InputHoldHooks* hooks = current.load();
    if (code == HC_ACTION && hooks != nullptr) {
      const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
      const bool up = wParam == WM_LBUTTONUP || wParam == WM_RBUTTONUP || wParam == WM_MBUTTONUP ||
                      wParam == WM_XBUTTONUP;
      const HeldInput decision = hooks->filter_.Mouse(up, (info->flags & LLMHF_INJECTED) != 0);
      if (decision != HeldInput::Pass) return Decide(*hooks, decision);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

std::atomic<InputHoldHooks*> HookAccess::current{nullptr};

InputHoldHooks::InputHoldHooks(std::atomic<bool>& cancelled) : cancelled_(cancelled) {
  UniqueHandle ready(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!ready) return;
  HookAccess::current = this;  // before the hooks exist: they may be called at once
  try {
    thread_ = std::thread([this, event = ready.Get()] { ThreadMain(event); });
  } catch (...) {
    HookAccess::current = nullptr;
    throw;
  }
  ::WaitForSingleObject(ready.Get(), INFINITE);
}

InputHoldHooks::~InputHoldHooks() {
  if (thread_.joinable()) {
    // The thread has its queue before it signals ready, so the message cannot get lost.
    ::PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HookAccess::current = nullptr;
}

void InputHoldHooks::ThreadMain(HANDLE ready) noexcept {
  // Every injected event waits for these hooks to answer: they must never wait their turn.
  ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
  MSG msg;
  ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // makes this thread's queue
  threadId_ = ::GetCurrentThreadId();
  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  // Not checked: without them the playback still plays, the user's input just is not held.
  const UniqueHook keyboard(::SetWindowsHookExA(WH_KEYBOARD_LL, HookAccess::Keyboard, instance, 0));
  const UniqueHook mouse(::SetWindowsHookExA(WH_MOUSE_LL, HookAccess::Mouse, instance, 0));
  ::SetEvent(ready);
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace vx::win32
