// What the input benchmarks share: a listener process whose low-level hooks note when each
// injected event reaches them, and the percentile of a set of latencies.
//
// The benchmark starts "<itself> listen FILE N" as a second process, waits on the named
// ready event, sends its input, and reads N counter values (LONGLONG) back from FILE.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vxbench {

inline LONGLONG Counter() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now.QuadPart;
}

namespace listener {

inline std::vector<LONGLONG> seen;
inline std::size_t wanted = 0;

inline void Note(bool injected) {
  if (!injected) return;
  seen.push_back(Counter());
  if (seen.size() == wanted) ::PostQuitMessage(0);
}

inline LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION)
    Note((reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam)->flags & LLKHF_INJECTED) != 0);
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

inline LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION)
    Note((reinterpret_cast<MSLLHOOKSTRUCT*>(lParam)->flags & LLMHF_INJECTED) != 0);
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace listener

// The listener's body: notes the times of count injected events (keys too when asked),
// giving up after a minute, and writes them to path.
inline int ListenForInjectedInput(const char* path, int count, const char* readyEventName,
                                  bool keyboard) {
  using namespace listener;
  wanted = static_cast<std::size_t>(count);
  seen.reserve(wanted);
  MSG msg;
  ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  HHOOK keys = keyboard ? ::SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, nullptr, 0) : nullptr;
  HHOOK mouse = ::SetWindowsHookExA(WH_MOUSE_LL, MouseHook, nullptr, 0);
  ::SetTimer(nullptr, 0, 60000, nullptr);  // never wait for ever
  HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, readyEventName);
  ::SetEvent(ready);
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) break;
    ::DispatchMessageA(&msg);
  }
  if (keys) ::UnhookWindowsHookEx(keys);
  ::UnhookWindowsHookEx(mouse);
  ::CloseHandle(ready);
  FILE* out = std::fopen(path, "wb");
  if (out == nullptr) return 1;
  std::fwrite(seen.data(), sizeof(LONGLONG), seen.size(), out);
  std::fclose(out);
  return 0;
}

inline double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[at];
}

}  // namespace vxbench
