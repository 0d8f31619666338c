// A window of the test's own with an edit control that keys go into and a pad that notes
// every mouse message it gets, and the helpers the input tests share.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "DesktopHelper.h"
#include "LineLog.h"
#include "core/Interpreter.h"
#include "core/StepLog.h"
#include "win32/PlatformPorts.h"

namespace inputtest {

// Neither the engine nor a playback may leave a modifier down.
inline void ExpectNoModifierDown() {
  for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
    EXPECT_EQ(::GetAsyncKeyState(vk) & 0x8000, 0) << "key " << vk << " left down";
  }
}

using Log = vxtest::LineLog;

// Mouse messages of the pad: "LD x,y" (left down), "LU", "L2" (double click), "RD", "RU",
// "MD", "MU", all with the client position.
class TestWindow {
 public:
  TestWindow() {
    WNDCLASSA pad{};
    pad.style = CS_DBLCLKS;
    pad.lpfnWndProc = PadProc;
    pad.hInstance = ::GetModuleHandleA(nullptr);
    pad.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    pad.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    pad.lpszClassName = "VxInputTestPad";
    ::RegisterClassA(&pad);
    frame_ = ::CreateWindowExA(0, "STATIC", "Input test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                               100, 600, 400, nullptr, nullptr, pad.hInstance, nullptr);
    edit_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                              WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 10, 10, 560,
                              150, frame_, nullptr, pad.hInstance, nullptr);
    pad_ = ::CreateWindowExA(0, "VxInputTestPad", "", WS_CHILD | WS_VISIBLE, 10, 180, 300, 150,
                             frame_, nullptr, pad.hInstance, this);
    ::SetWindowLongPtrA(pad_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    FocusEdit();
  }
  ~TestWindow() { ::DestroyWindow(frame_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Edit() const { return edit_; }
  HWND Pad() const { return pad_; }
  std::string EditText() const { return vxtest::WindowText(edit_); }
  const std::vector<std::string>& PadEvents() const { return events_; }
  void ClearPadEvents() { events_.clear(); }
  int PadMoves() const { return moves_; }

  void FocusEdit() {
    ::SetForegroundWindow(frame_);
    ::SetFocus(edit_);
    vxtest::WaitUntil([&] { return ::GetFocus() == edit_; }, 3000);
  }
  // A point of the pad in screen coordinates.
  POINT PadPoint(int x, int y) const {
    POINT p{x, y};
    ::ClientToScreen(pad_, &p);
    return p;
  }
  bool WaitForPadEvents(std::size_t n) {
    return vxtest::WaitUntil([&] { return events_.size() >= n; }, 5000);
  }

 private:
  static LRESULT CALLBACK PadProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    const char* name = nullptr;
    switch (message) {
      case WM_LBUTTONDOWN:
        name = "LD";
        ::SetCapture(window);
        break;
      case WM_LBUTTONUP:
        name = "LU";
        ::ReleaseCapture();
        break;
      case WM_LBUTTONDBLCLK:
        name = "L2";
        break;
      case WM_RBUTTONDOWN:
        name = "RD";
        break;
      case WM_RBUTTONUP:
        name = "RU";
        break;
      case WM_MBUTTONDOWN:
        name = "MD";
        break;
      case WM_MBUTTONUP:
        name = "MU";
        break;
      case WM_MOUSEMOVE:
        if (self) ++self->moves_;
        break;
      default:
        break;
    }
    if (self && name) {
      self->events_.push_back(std::string(name) + " " +
                              std::to_string(static_cast<short>(LOWORD(lParam))) + "," +
                              std::to_string(static_cast<short>(HIWORD(lParam))));
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
  }

  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
  HWND pad_ = nullptr;
  std::vector<std::string> events_;
  int moves_ = 0;
};

// The real input port wired into a step context; every test ends with no modifier down.
struct InputSteps : ::testing::Test {
  vx::win32::PlatformPorts platform;
  vx::Ports ports = platform.View();
  vx::InputPort& input = ports.input;
  Log log;
  vx::PlayerState state;
  vx::StepContext context{log, state, ports};

  ~InputSteps() override { ExpectNoModifierDown(); }

  void Step(std::uint8_t kind, const std::string& p1, const std::string& p2 = "") {
    vx::TCommand step;
    step.kind = kind;
    step.p1 = p1;
    step.p2 = p2;
    vx::ExecuteStep(context, step);
  }
};

}  // namespace inputtest
