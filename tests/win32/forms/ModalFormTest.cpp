#include <gtest/gtest.h>

#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::win32 {
namespace {

const FormDef Owner = {
    .className = "TVxModalOwner", .caption = "Owner", .width = 300, .height = 200};
const FormDef Dialog = {.className = "TVxModalDialog",
                        .caption = "Dialog",
                        .width = 200,
                        .height = 100,
                        .style = WS_POPUP | WS_CAPTION,
                        .role = FormRole::Dialog};

class OkForm : public TForm {
 public:
  int clicks = 0;
  TEdit txt;
  TButton cmdOk;
  TButton cmdCancel;

  void CreateTestDialog(HWND owner) {
    CreateForm(
        Dialog,
        {
            {&txt, {.left = 8, .top = 8, .width = 100, .height = 20}},
            {&cmdOk,
             {.caption = "OK", .left = 8, .top = 40, .width = 60, .height = 24, .id = IDOK}},
            {&cmdCancel, {.caption = "Cancel", .left = 80, .top = 40, .width = 60, .height = 24}},
        },
        owner);
    cmdOk.OnClick = [this] {
      ++clicks;
      EndModal(IDOK);
    };
  }
};

TEST(PlayerModalForm, EnterPressesTheDefaultButtonEscCancelsAndTheOwnerComesBack) {
  OkForm owner;
  owner.CreateForm(Owner, {});
  owner.Show();
  OkForm dialog;
  dialog.CreateTestDialog(owner.Handle());

  ::PostMessageA(dialog.txt.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(dialog.ShowModal(), IDOK);
  EXPECT_EQ(dialog.clicks, 1);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(::IsWindowVisible(dialog.Handle()));

  ::PostMessageA(dialog.txt.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(dialog.ShowModal(), IDCANCEL);
  EXPECT_EQ(dialog.clicks, 1);

  ::PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), IDCANCEL);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
}

}  // namespace
}  // namespace vx::win32
