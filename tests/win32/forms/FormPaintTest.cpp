// What the painted controls show: the heading bar's frame and bands, and the link label's
// hover look, also after a leave without an enter or two enters.
#include <gtest/gtest.h>

#include "FormsRig.h"
#include "win32/forms/BevelRect.h"
#include "win32/forms/Form.h"
#include "win32/forms/LabelEx.h"

namespace vx::win32 {
namespace {

constexpr COLORREF Background = RGB(10, 20, 30);
constexpr COLORREF FrameColor = RGB(194, 189, 177);
constexpr COLORREF Hover = RGB(255, 255, 255);

class PaintForm : public TForm {
 public:
  PaintForm() {
    CreateForm(
        {.className = "TVxPaintForm",
         .caption = "Paint",
         .width = 300,
         .height = 100,
         .style = WS_POPUP,
         .background = Background},
        {
            {&brect,
             {.caption = "Selected Actions", .left = 10, .top = 10, .width = 120, .height = 20}},
            {&link,
             {.caption = "Go",
              .left = 150,
              .top = 10,
              .width = 80,
              .height = 20,
              .font = {.face = "Tahoma", .points = 8, .color = RGB(255, 255, 255)}}},
        });
    link.SetFontOver({.face = "Tahoma", .points = 8, .color = RGB(0, 0, 128)});
    link.SetColorOver(Hover);
  }
  TBevelRect brect;
  TLabelEx link;
};

class FormPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.Show();
    dc_ = ::GetDC(form_.Handle());
  }
  void TearDown() override { ::ReleaseDC(form_.Handle(), dc_); }
  COLORREF At(int x, int y) {
    ::UpdateWindow(form_.Handle());
    return ::GetPixel(dc_, x, y);
  }
  COLORREF BevelAt(int x, int y) {
    ::UpdateWindow(form_.brect.Handle());
    const HDC dc = ::GetDC(form_.brect.Handle());
    const COLORREF color = ::GetPixel(dc, x, y);
    ::ReleaseDC(form_.brect.Handle(), dc);
    return color;
  }
  void MouseTo(int x, int y) { ::SendMessageA(form_.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  PaintForm form_;
  HDC dc_ = nullptr;
};

TEST_F(FormPaint, HeadingBarFramesItsBandsWithTheRightEdgeOneInside) {
  ASSERT_EQ(form_.Dpi(), 96u);
  // 120 x 20: the frame's right edge at x 118 and its bottom at y 19; column 119 shows a band.
  EXPECT_EQ(BevelAt(0, 10), FrameColor);
  EXPECT_EQ(BevelAt(60, 0), FrameColor);
  EXPECT_EQ(BevelAt(118, 10), FrameColor);
  EXPECT_EQ(BevelAt(2, 19), FrameColor);
  const COLORREF outside = BevelAt(119, 2);
  EXPECT_NE(outside, FrameColor);
  EXPECT_GE(GetRValue(outside), 241);
  EXPECT_GE(GetBValue(outside), 238);
  EXPECT_EQ(form_.brect.Caption(), "Selected Actions");
}

TEST_F(FormPaint, LinkLabelShowsItsHoverLookOnlyWhileTheMouseIsOverIt) {
  // The label's corner shows the form's background until hovered.
  EXPECT_EQ(At(151, 11), Background);
  MouseTo(190, 20);
  EXPECT_TRUE(form_.link.Hovered());
  EXPECT_EQ(At(151, 11), Hover);
  MouseTo(191, 21);  // a second enter changes nothing
  ::SendMessageA(form_.Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(form_.link.Hovered());
  EXPECT_EQ(At(151, 11), Background);
  ::SendMessageA(form_.Handle(), WM_MOUSELEAVE, 0, 0);  // a leave without an enter
  EXPECT_FALSE(form_.link.Hovered());
  EXPECT_EQ(At(151, 11), Background);

  // A click is a press and a release on the link; a release alone (the end of a double
  // click that opened the window) or a press taken off the link before the release is none.
  int clicks = 0;
  form_.link.OnClick = [&] { ++clicks; };
  const auto button = [this](UINT message, int x) {
    ::SendMessageA(form_.Handle(), message, 0, MAKELPARAM(x, 15));
  };
  button(WM_LBUTTONUP, 160);
  EXPECT_EQ(clicks, 0);
  button(WM_LBUTTONDOWN, 160);
  button(WM_LBUTTONUP, 160);
  EXPECT_EQ(clicks, 1);
  button(WM_LBUTTONDOWN, 160);
  button(WM_LBUTTONUP, 260);
  button(WM_LBUTTONDOWN, 260);
  button(WM_LBUTTONUP, 160);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vx::win32
