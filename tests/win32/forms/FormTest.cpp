#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/Errors.h"
#include "win32/forms/Application.h"
#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::win32 {
namespace {

constexpr UINT ThrowMessage = WM_APP + 7;

const FormDef TestForm = {.className = "TVxFormTest",
                          .caption = "Form test",
                          .width = 200,
                          .height = 120,
                          .style = WS_POPUP,
                          .background = RGB(10, 20, 30)};

class ThrowingForm : public TForm {
 public:
  ThrowingForm() {
    CreateForm(
        TestForm,
        {
            {&grd, {.width = 200, .height = 120}},
            {&lbl, {.caption = "before", .left = 8, .top = 8}},
            {&lst, {.left = 20, .top = 40, .width = 100, .height = 50}},
            {&cmd,
             {.caption = "OK", .left = 130, .top = 40, .width = 60, .height = 24, .id = IDOK}},
        });
  }
  TGradientBox grd;
  TLabel lbl;
  TListBox lst;
  TButton cmd;

 protected:
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
    if (message == ThrowMessage) throw InOutError("Disk full");
    return false;
  }
};

TEST(PlayerForm, ControlsTakeTheTablesGeometryScaledByDpi) {
  ThrowingForm form;
  RECT r;
  ::GetClientRect(form.Handle(), &r);
  EXPECT_EQ(r.right, form.Scale(200));
  ::GetWindowRect(form.lst.Handle(), &r);
  POINT corner = {r.left, r.top};
  ::ScreenToClient(form.Handle(), &corner);
  EXPECT_EQ(corner.x, form.Scale(20));
  EXPECT_EQ(corner.y, form.Scale(40));
  EXPECT_EQ(r.right - r.left, form.Scale(100));
  EXPECT_EQ(::GetDlgCtrlID(form.cmd.Handle()), IDOK);
  form.lbl.SetCaption("after");
  EXPECT_EQ(form.lbl.Caption(), "after");
  form.cmd.SetText("Apply");
  EXPECT_EQ(form.cmd.Text(), "Apply");
  form.lst.SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(form.lst.Handle()));
}

TEST(PlayerForm, GradientIsPaintedBehindTheLabels) {
  ThrowingForm form;
  GradientSettings red;
  red.red1 = red.red2 = 200;
  red.green1 = red.green2 = red.blue1 = red.blue2 = 0;
  red.steps = 4;  // tall bands: band 0 covers the top quarter
  form.grd.Gradient().Assign(red);
  form.grd.SetDesignBounds(1, 1, 199, 119);
  form.Show();
  const HDC dc = ::GetDC(form.Handle());
  // One strip of the form's background along the top, the gradient below it.
  EXPECT_EQ(::GetPixel(dc, form.Scale(150), 0), RGB(10, 20, 30));
  EXPECT_EQ(::GetPixel(dc, form.Scale(150), form.Scale(100)), RGB(200, 0, 0));
  EXPECT_EQ(::GetPixel(dc, form.Scale(150), 1), RGB(200, 0, 0));
  // A setter draws at once, without waiting for the next repaint: band 0 has colour 1.
  form.grd.Gradient().SetColorByte(4, 50);  // Red1
  EXPECT_EQ(::GetPixel(dc, form.Scale(150), 1), RGB(50, 0, 0));
  ::ReleaseDC(form.Handle(), dc);
}

TEST(PlayerForm, ErrorInAHandlerIsReportedAndDoesNotLeaveTheWindowProcedure) {
  Application().SetTitle("Form test report");
  ThrowingForm form;
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
