#include "editor/dialogs/RecorderHooks.h"

#include <cstdint>

namespace vx::editor {

namespace {

// The running hooks; a low-level hook procedure has no other way to reach its owner.
RecorderHooks* running = nullptr;

std::uint32_t HandleBits(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace

bool RecorderHooks::Start(RecorderSession& session, HWND recorder,
                          std::function<void(RecorderResult)> onEnded) {
  Stop();
  session_ = &session;
  recorder_ = recorder;
  onEnded_ = std::move(onEnded);
  const HINSTANCE module = ::GetModuleHandleA(nullptr);
  keyboard_.Reset(::SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, module, 0));
  mouse_.Reset(::SetWindowsHookExA(WH_MOUSE_LL, MouseProc, module, 0));
  if (!keyboard_ || !mouse_) {
    Stop();
    return false;
  }
  running = this;
  return true;
}

void RecorderHooks::Stop() {
  keyboard_.Reset();
  mouse_.Reset();
  if (running == this) running = nullptr;
}

void RecorderHooks::Ended(RecorderResult result) {
  if (result != RecorderResult::Paused && result != RecorderResult::Full) return;
  // The owner removes the hooks and tells the user after this event has gone on.
  if (onEnded_) onEnded_(result);
}

LRESULT CALLBACK RecorderHooks::KeyboardProc(int code, WPARAM message, LPARAM event) {
  if (code == HC_ACTION && running && running->session_) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(event);
    const HWND front = ::GetForegroundWindow();
    const KeyHookEvent hooked{static_cast<std::uint32_t>(message),
                              key.vkCode,
                              key.scanCode,
                              key.flags,
                              key.time,
                              HandleBits(front),
                              front && ::GetAncestor(front, GA_ROOT) == running->recorder_};
    try {
      running->Ended(running->session_->OnKey(hooked));
    } catch (...) {
      // Out of memory for one more record: the event goes unrecorded, the input goes on.
    }
  }
  return ::CallNextHookEx(nullptr, code, message, event);
}

LRESULT CALLBACK RecorderHooks::MouseProc(int code, WPARAM message, LPARAM event) {
  if (code == HC_ACTION && running && running->session_) {
    const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(event);
    const HWND under = ::WindowFromPoint(mouse.pt);
    const MouseHookEvent hooked{static_cast<std::uint32_t>(message),
                                mouse.pt.x,
                                mouse.pt.y,
                                mouse.mouseData,
                                mouse.time,
                                HandleBits(under),
                                under && ::GetAncestor(under, GA_ROOT) == running->recorder_};
    try {
      running->Ended(running->session_->OnMouse(hooked));
    } catch (...) {
      // As for keys.
    }
  }
  return ::CallNextHookEx(nullptr, code, message, event);
}

}  // namespace vx::editor
