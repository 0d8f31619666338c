// Send Keys of a 1,000-character text into an edit control of this process: the engine's
// whole run against one raw SendInput batch of the same events, and characters lost.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/keys/SendKeys.h"
#include "win32/input/Win32Keyboard.h"
#include "win32/system/Win32Windows.h"

namespace {

// The same keyboard, but the events are collected for one SendInput batch.
class BatchKeyboard : public vx::win32::Win32Keyboard {
 public:
  std::vector<INPUT> inputs;
  void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  }
};

std::string Text() {
  const std::string alphabet = "The quick brown Fox jumps over 13 lazy Dogs, and 24 more. ";
  std::string text;
  while (text.size() < 1000) text += alphabet[text.size() % alphabet.size()];
  return text;
}

std::string EditText(HWND edit) {
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(edit)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Lets messages run until the edit holds size characters (or 30 s); the seconds taken
// from start.
double WaitForText(HWND edit, std::size_t size, std::chrono::steady_clock::time_point start) {
  const auto limit = start + std::chrono::seconds(30);
  for (;;) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    const auto now = std::chrono::steady_clock::now();
    if (static_cast<std::size_t>(::GetWindowTextLengthA(edit)) >= size || now > limit) {
      // A moment more for stragglers, not counted.
      return std::chrono::duration<double>(now - start).count();
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

// Characters that did not arrive; a text that arrived garbled counts as wholly lost.
std::size_t Lost(const std::string& sent, const std::string& got) {
  if (got == sent) return 0;
  return got.size() < sent.size() && sent.compare(0, got.size(), got) == 0
             ? sent.size() - got.size()
             : sent.size();
}

}  // namespace

int main() {
  HWND frame = ::CreateWindowExA(0, "STATIC", "Send Keys bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 50, 50, 700, 400, nullptr, nullptr, nullptr, nullptr);
  HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 5, 5, 680, 350,
                                frame, nullptr, nullptr, nullptr);
  ::SendMessageA(edit, EM_SETLIMITTEXT, 100000, 0);
  ::SetForegroundWindow(frame);
  ::SetFocus(edit);
  const std::string text = Text();

  vx::win32::Win32MessageBoxes boxes;
  BatchKeyboard batch;
  vx::SendKeys(text, false, batch, boxes);
  std::printf("%zu characters, %zu key events\n", text.size(), batch.inputs.size());

  vx::win32::Win32Keyboard keyboard;
  for (int run = 0; run < 3; ++run) {
    ::SetWindowTextA(edit, "");
    auto start = std::chrono::steady_clock::now();
    vx::SendKeys(text, false, keyboard, boxes);
    const double sendOnly =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double engine = WaitForText(edit, text.size(), start);
    const std::size_t engineLost = Lost(text, EditText(edit));

    ::SetWindowTextA(edit, "");
    start = std::chrono::steady_clock::now();
    ::SendInput(static_cast<UINT>(batch.inputs.size()), batch.inputs.data(), sizeof(INPUT));
    const double raw = WaitForText(edit, text.size(), start);
    const std::size_t rawLost = Lost(text, EditText(edit));

    std::printf(
        "run %d: SendKeys %.1f ms (calls %.1f ms), lost %zu; one SendInput batch %.1f ms, lost "
        "%zu; ratio %.2f\n",
        run + 1, engine * 1000, sendOnly * 1000, engineLost, raw * 1000, rawLost, engine / raw);
  }
  ::DestroyWindow(frame);
  return 0;
}
