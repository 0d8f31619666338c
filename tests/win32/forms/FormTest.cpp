#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/Errors.h"
#include "win32/forms/Application.h"
#include "win32/forms/Form.h"

namespace vx::win32 {
namespace {

constexpr UINT ThrowMessage = WM_APP + 7;

class ThrowingForm : public TForm {
 protected:
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
    if (message == ThrowMessage) throw InOutError("Disk full");
    return false;
  }
};

const FormDef TestForm = {"TVxFormTest", "Form test", 200, 120, WS_POPUP, 0, RGB(10, 20, 30), {}};
const ControlDef TestControls[] = {
    {ControlKind::Gradient, "grd", "", 0, 0, 200, 120},
    {ControlKind::Label, "lbl", "before", 8, 8},
    {ControlKind::ListBox, "lst", "", 20, 40, 100, 50},
    {ControlKind::Button, "cmd", "OK", 130, 40, 60, 24, 0, {}, IDOK},
};

TEST(PlayerForm, ControlsTakeTheTablesGeometryScaledByDpi) {
  ThrowingForm form;
  form.CreateForm(TestForm, TestControls);
  const int scale = static_cast<int>(form.Dpi());
  RECT r;
  ::GetWindowRect(form.Handle(), &r);
  EXPECT_EQ(r.right - r.left, ::MulDiv(200, scale, 96));
  ::GetWindowRect(form.Control("lst"), &r);
  POINT corner = {r.left, r.top};
  ::ScreenToClient(form.Handle(), &corner);
  EXPECT_EQ(corner.x, form.Scale(20));
  EXPECT_EQ(corner.y, form.Scale(40));
  EXPECT_EQ(r.right - r.left, form.Scale(100));
  EXPECT_EQ(::GetDlgCtrlID(form.Control("cmd")), IDOK);
  EXPECT_EQ(form.Control("lbl"), nullptr);  // painted, no window of its own
  form.SetCaption("lbl", "after");
  EXPECT_EQ(form.Caption("lbl"), "after");
  form.SetCaption("cmd", "Apply");
  EXPECT_EQ(form.Caption("cmd"), "Apply");
  EXPECT_THROW(form.Control("nothing"), std::logic_error);
  form.SetVisible("lst", false);
  EXPECT_FALSE(form.IsVisible("lst"));
}

TEST(PlayerForm, GradientIsPaintedBehindTheLabels) {
  ThrowingForm form;
  form.CreateForm(TestForm, TestControls);
  GradientSettings red;
  red.red1 = red.red2 = 200;
  red.green1 = red.green2 = red.blue1 = red.blue2 = 0;
  red.steps = 4;  // tall bands: band 0 covers the top quarter
  form.Gradient("grd").Assign(red);
  form.SetControlBounds("grd", 1, 1, 199, 119);
  form.Show();
  const HDC dc = ::GetDC(form.Handle());
  // One strip of the form's background along the top, the gradient below it.
  EXPECT_EQ(::GetPixel(dc, form.Scale(150), 0), RGB(10, 20, 30));
  EXPECT_EQ(::GetPixel(dc, form.Scale(150), form.Scale(100)), RGB(200, 0, 0));
  EXPECT_EQ(::GetPixel(dc, form.Scale(150), 1), RGB(200, 0, 0));
  // A setter draws at once, without waiting for the next repaint: band 0 has colour 1.
  form.Gradient("grd").SetColorByte(4, 50);  // Red1
  EXPECT_EQ(::GetPixel(dc, form.Scale(150), 1), RGB(50, 0, 0));
  ::ReleaseDC(form.Handle(), dc);
}

TEST(PlayerForm, ErrorInAHandlerIsReportedAndDoesNotLeaveTheWindowProcedure) {
  Application().SetTitle("Form test report");
  ThrowingForm form;
  form.CreateForm(TestForm, TestControls);
  std::atomic<bool> seen{false};
  std::string text;
  std::thread dismiss([&] {
    for (int i = 0; i < 300 && !seen; ++i) {
      if (const HWND box = ::FindWindowA("#32770", "Form test report")) {
        wchar_t buffer[256] = {};
        ::GetWindowTextW(::GetDlgItem(box, 0xFFFF), buffer, 256);
        text = std::string(buffer, buffer + wcslen(buffer));
        seen = true;
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
      ::Sleep(20);
    }
  });
  EXPECT_EQ(::SendMessageA(form.Handle(), ThrowMessage, 0, 0), 0);
  dismiss.join();
  EXPECT_TRUE(seen);
  EXPECT_EQ(text, "Disk full");
}

TEST(PlayerApplication, LastChanceTextNamesKindProgramAndMessage) {
  EXPECT_EQ(LastChanceText(std::make_exception_ptr(InOutError("File not found")), "vexec.exe"),
            "Exception EInOutError in module vexec.exe.\nFile not found");
  EXPECT_EQ(ErrorKind(std::make_exception_ptr(std::bad_alloc())), "std::bad_alloc");
  EXPECT_EQ(ErrorKind(std::make_exception_ptr(42)), "unknown exception");
  EXPECT_EQ(ErrorMessage(std::make_exception_ptr(RegistryError("Invalid data type for 'x'"))),
            "Invalid data type for 'x'");
}

}  // namespace
}  // namespace vx::win32
