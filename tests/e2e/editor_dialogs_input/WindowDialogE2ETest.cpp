#include <gtest/gtest.h>

#include <vector>

#include "DesktopHelper.h"
#include "core/StepKinds.h"
#include "e2e/editor_dialogs_input/SavedSteps.h"
#include "editor/dialogs/FrmWindow.h"
#include "win32/editor_dialogs/DialogRig.h"
#include "win32/editor_dialogs/UserAtDialog.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::InModalLoop;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(window, message, wParam, lParam);
}

// A plain white top-level window of a class of its own with a button inside, away from the
// dialog: the finder is dragged over its button.
class FinderTarget {
 public:
  FinderTarget() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "VxFinderTarget";
    ::RegisterClassA(&windowClass);
    window_ = ::CreateWindowExA(0, "VxFinderTarget", "Target", WS_POPUP | WS_VISIBLE, 760, 120, 220,
                                180, nullptr, nullptr, windowClass.hInstance, nullptr);
    button_ = ::CreateWindowExA(0, "BUTTON", "inside", WS_CHILD | WS_VISIBLE, 60, 60, 100, 40,
                                window_, nullptr, windowClass.hInstance, nullptr);
    ::UpdateWindow(window_);
  }
  ~FinderTarget() { ::DestroyWindow(window_); }
  HWND Window() const { return window_; }
  POINT ButtonCentre() const { return {760 + 110, 120 + 80}; }
  // A pixel on the frame's line (the window's left edge), as the window's surface holds it.
  COLORREF EdgePixel() const {
    const HDC dc = ::GetWindowDC(window_);
    const COLORREF pixel = ::GetPixel(dc, 0, 150);
    ::ReleaseDC(window_, dc);
    return pixel;
  }

 private:
  HWND window_ = nullptr;
  HWND button_ = nullptr;
};

class WindowDialogE2ETest : public ::testing::Test {
 protected:
  void SetUp() override { dialog.Create(host.DialogOwner()); }
  // The finder pressed, the pointer moved to point with the left button held.
  void DragFinderTo(POINT point) {
    // The pointer is warped on the X server, which may first report an older position.
    vxtest::WaitUntil(
        [&] {
          ::SetCursorPos(point.x, point.y);
          POINT now{};
          ::GetCursorPos(&now);
          return now.x == point.x && now.y == point.y;
        },
        3000);
    ::SendMessageA(dialog.imgwindowfind.Handle(), WM_MOUSEMOVE, MK_LBUTTON, 0);
  }
  void PressFinder() {
    ::SendMessageA(dialog.imgwindowfind.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  }
  vxtest::RigHost host;
  Tfrmwindow dialog;
};

// The message page's boxes and every window radio button, found by the label or caption a
// user reads beside it, each give the step its own kind and fields. Each step is added from
// the node of another kind; a radio button makes the step its kind only as it becomes checked,
// so no two steps in a row choose the same one.
TEST_F(WindowDialogE2ETest, EveryControlStoresItsOwnField) {
  using namespace vxtest::user;
  const auto window = [](const char* node, const char* caption, std::uint8_t kind) {
    const std::string name = std::string(caption) + "Class";
    return Row{node, {ClickOn(caption), Type({"Window:"}, name)}, {kind, name, "", "", "", 1}};
  };
  const std::vector<Row> rows = {
      {"Close Window",
       {Link("Show Message"), Type({"Message:"}, "the message"), Choose({"Type:"}, "Warning")},
       {ckShowMessage, "the message", "Warning", "", "", 1}},
      window("Minimize Window", "Activate", ckActivateWindow),
      window("Maximize Window", "Minimize", ckMinimizeWindow),
      window("Close Window", "Maximize", ckMaximizeWindow),
      window("Kill Window", "Close", ckCloseWindow),
      window("Show Desktop", "Kill", ckKillWindow),
      window("Close All Windows", "Show Desktop", ckShowDesktop),
      {"Show Message",
       {Link("Window States"), ClickOn("Close All Windows"), Type({"Window:"}, "AllClass")},
       {ckCloseAllWindows, "AllClass", "", "", "", 1}},
  };
  const std::vector<TCommand> expected = AddEach(host, dialog, rows);
  EXPECT_EQ(vxtest::SavedAndReadBack(host.steps), expected);
}

TEST_F(WindowDialogE2ETest, FinderTakesTheTopLevelClassAndLeavesNoFrame) {
  FinderTarget target;
  ASSERT_TRUE(vxtest::WaitUntil([&] { return target.EdgePixel() == RGB(255, 255, 255); }));
  host.AddFromTree("Activate Window");
  std::string named;
  COLORREF framedEdge = 0, afterRelease = 0, afterLostCapture = 0;
  HWND framedAfterLoss = reinterpret_cast<HWND>(1);
  InModalLoop({[&] {
                 PressFinder();
                 DragFinderTo(target.ButtonCentre());
                 framedEdge = target.EdgePixel();
                 ::SendMessageA(dialog.imgwindowfind.Handle(), WM_LBUTTONUP, 0, 0);
                 afterRelease = target.EdgePixel();
                 named = dialog.txtwindowname.Text();
                 // A second drag that loses the mouse to another window half way.
                 PressFinder();
                 DragFinderTo(target.ButtonCentre());
                 ::SetCapture(host.owner.Handle());
                 ::ReleaseCapture();
                 afterLostCapture = target.EdgePixel();
                 framedAfterLoss = dialog.imgwindowfind.Framed();
               },
               [&] { Click(dialog.cmdapply.Handle()); }});
  ASSERT_EQ(host.Open(dialog), IDOK);
  EXPECT_EQ(named, "VxFinderTarget") << "the root's class, not the button's";
  EXPECT_EQ(framedEdge, RGB(0, 0, 0)) << "white inverted by the frame";
  EXPECT_EQ(afterRelease, RGB(255, 255, 255));
  EXPECT_EQ(afterLostCapture, RGB(255, 255, 255));
  EXPECT_EQ(framedAfterLoss, nullptr);
  ASSERT_EQ(host.steps.Count(), 1u);
  EXPECT_EQ(host.steps.Step(0), (TCommand{ckActivateWindow, "VxFinderTarget", "", "", "", 1}));
}

}  // namespace
}  // namespace vx::editor
