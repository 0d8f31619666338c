#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <thread>

#include "DesktopHelper.h"
#include "win32/forms/Application.h"
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

// Posted to a dialog to run its onPosted inside its modal loop.
constexpr UINT RunPosted = FirstFormMessage + 1;

class OkForm : public TForm {
 public:
  int clicks = 0;
  std::function<void()> onPosted;
  TEdit txt;
  TEdit txtSecond;
  TButton cmdOk;
  TButton cmdCancel;

  void CreateTestDialog(HWND owner) {
    CreateForm(
        Dialog,
        {
            {&txt, {.left = 8, .top = 8, .width = 90, .height = 20}},
            {&txtSecond, {.left = 102, .top = 8, .width = 90, .height = 20}},
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

 protected:
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    if (message != RunPosted || !onPosted) return false;
    onPosted();
    result = 0;
    return true;
  }
};

// A shown owner and its dialog, not shown yet.
class PlayerModalForm : public ::testing::Test {
 protected:
  PlayerModalForm() {
    owner.CreateForm(Owner, {});
    owner.Show();
    dialog.CreateTestDialog(owner.Handle());
  }
  OkForm owner;
  OkForm dialog;
};

TEST_F(PlayerModalForm, EnterPressesTheDefaultButtonEscCancelsAndTheOwnerComesBack) {
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

// A message box (an Apply refusal, say) hands the activation back to the dialog when it
// closes: the keys typed next reach the box that had the focus, not the dialog's frame.
TEST_F(PlayerModalForm, KeysTypedAfterAMessageBoxReachTheBoxThatHadTheFocus) {
  dialog.onPosted = [&] {
    dialog.txtSecond.SetFocus();
    {
      vxtest::MessageBoxAnswerer answerer({.caption = "Refused"});
      ::MessageBoxA(dialog.Handle(), "Not this value", "Refused", MB_OK | MB_ICONWARNING);
    }
    vxtest::TypeText("42");
  };
  std::thread closer([&] {
    vxtest::WaitUntil([&] { return vxtest::WindowText(dialog.txtSecond.Handle()) == "42"; }, 5000);
    ::PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
  });
  ::PostMessageA(dialog.Handle(), RunPosted, 0, 0);
  dialog.ShowModal();
  closer.join();
  EXPECT_EQ(dialog.txtSecond.Text(), "42");
  EXPECT_EQ(dialog.txt.Text(), "");
}

// An error raised while a dialog is shown is reported over the dialog; once the report is
// closed, the dialog's owner is still disabled, so nothing in it changes under the dialog.
TEST_F(PlayerModalForm, AnErrorReportLeavesTheDialogsOwnerDisabled) {
  Application().SetMainWindow(owner.Handle());
  bool ownerEnabled = true;
  dialog.onPosted = [&] {
    {
      vxtest::MessageBoxAnswerer answerer({.caption = "Modal"});
      try {
        throw std::runtime_error("refused");
      } catch (...) {
        Application().HandleException();
      }
    }
    ownerEnabled = ::IsWindowEnabled(owner.Handle()) != FALSE;
    dialog.EndModal(IDCANCEL);
  };
  Application().SetTitle("Modal");
  ::PostMessageA(dialog.Handle(), RunPosted, 0, 0);
  dialog.ShowModal();
  Application().SetMainWindow(nullptr);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
}

}  // namespace
}  // namespace vx::win32
