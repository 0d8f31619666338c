#include <gtest/gtest.h>

#include "editor/dialogs/SubFieldEdit.h"
#include "win32/editor_dialogs/DialogRig.h"
#include "win32/system/Win32Clipboard.h"

namespace vx::editor {
namespace {

const win32::FormDef EditForm = {
    .className = "TVxSubFieldForm", .caption = "Sub-field", .width = 200, .height = 60};

class SubFieldForm : public win32::TForm {
 public:
  SubFieldForm() {
    CreateForm(EditForm, {{&box, {.left = 8, .top = 8, .width = 180, .height = 21}}});
  }
  TSubFieldEdit box;
};

TEST(SubFieldEditTest, TheSeparatorByteCanNeitherBeTypedNorPastedNorSet) {
  SubFieldForm form;
  const HWND box = form.box.Handle();
  for (const char c : std::string("a\x01"
                                  "b"))
    ::SendMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 0);
  EXPECT_EQ(form.box.Text(), "ab");

  form.box.SetText(std::string("x\x01y"));
  EXPECT_EQ(form.box.Text(), "xy");

  win32::Win32Clipboard clipboard;
  ASSERT_TRUE(clipboard.Open());
  clipboard.Empty();
  ASSERT_TRUE(clipboard.SetText("p\x01q"));
  clipboard.Close();
  ::SendMessageA(box, EM_SETSEL, 2, 2);
  ::SendMessageA(box, WM_PASTE, 0, 0);
  EXPECT_EQ(form.box.Text(), "xypq");
}

}  // namespace
}  // namespace vx::editor
