#include <gtest/gtest.h>

#include "win32/forms/Form.h"

namespace vx::win32 {
namespace {

class OkForm : public TForm {
 public:
  int clicks = 0;

 protected:
  void OnCommand(std::string_view name, WORD notification) override {
    if (name == "cmdOk" && notification == BN_CLICKED) {
      ++clicks;
      EndModal(IDOK);
    }
  }
};

const FormDef Owner = {"TVxModalOwner", "Owner", 300, 200, WS_OVERLAPPEDWINDOW};
const FormDef Dialog = {"TVxModalDialog", "Dialog", 200, 100, WS_POPUP | WS_CAPTION};
const ControlDef DialogControls[] = {
    {ControlKind::Edit, "txt", "", 8, 8, 100, 20},
    {ControlKind::Button, "cmdOk", "OK", 8, 40, 60, 24, 0, {}, IDOK},
    {ControlKind::Button, "cmdCancel", "Cancel", 80, 40, 60, 24, 0, {}, 0},
};

TEST(PlayerModalForm, EnterPressesTheDefaultButtonEscCancelsAndTheOwnerComesBack) {
  OkForm owner;
  owner.CreateForm(Owner, {});
  owner.Show();
  OkForm dialog;
  dialog.CreateForm(Dialog, DialogControls, owner.Handle());

  ::PostMessageA(dialog.Control("txt"), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(dialog.ShowModal(), IDOK);
  EXPECT_EQ(dialog.clicks, 1);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(::IsWindowVisible(dialog.Handle()));

  ::PostMessageA(dialog.Control("txt"), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(dialog.ShowModal(), IDCANCEL);
  EXPECT_EQ(dialog.clicks, 1);

  ::PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), IDCANCEL);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
}

}  // namespace
}  // namespace vx::win32
