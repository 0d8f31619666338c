// A dialog takes typing at once: when it shows, the first control in its tab order on the
// page shown has the focus.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "editor/dialogs/FrmClipboard.h"
#include "editor/dialogs/FrmComment.h"
#include "editor/dialogs/FrmFileOp.h"
#include "editor/dialogs/FrmOptions.h"
#include "editor/dialogs/FrmSelectObject.h"
#include "editor/dialogs/FrmSystem.h"
#include "win32/editor_dialogs/DialogRig.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::InModalLoop;

TCommand Step(std::uint8_t kind, std::string p1 = {}) {
  TCommand step;
  step.kind = kind;
  step.p1 = std::move(p1);
  return step;
}

// The window with the focus once the dialog that open shows is up; cancel ends it.
template <typename Open>
HWND FocusWhenShown(Open open, const win32::TButton& cancel) {
  HWND focused = nullptr;
  InModalLoop({[&] {
    focused = ::GetFocus();
    Click(cancel.Handle());
  }});
  open();
  return focused;
}

TEST(ShownFocusTest, TheFirstControlOfTheShownPageHasTheFocus) {
  vxtest::RigHost host;
  host.steps.Assign({Step(ckSetVariable, "v"), Step(ckWait, "5"), Step(ckWriteToFile, "f")});

  Tfrmsystem system;
  system.Create(host.DialogOwner());
  host.EditStep(1);
  EXPECT_EQ(FocusWhenShown([&] { host.Open(system); }, system.cmdcancel), system.txtwait.Handle());
  host.EditStep(0);
  EXPECT_EQ(FocusWhenShown([&] { host.Open(system); }, system.cmdcancel), system.txtvarname.Handle());

  Tfrmfileop fileop;
  Tfrmselectobject criteria;
  fileop.Create(host.DialogOwner(), criteria);
  criteria.Create(fileop.Handle());
  host.EditStep(2);
  EXPECT_EQ(FocusWhenShown([&] { host.Open(fileop); }, fileop.cmdcancel), fileop.cmbwritevar.Handle());
  EXPECT_EQ(FocusWhenShown([&] { criteria.Edit(""); }, criteria.CmdCancel),
            criteria.txtfname.Handle());

  // The clipboard dialog's radio buttons come first in its tab order: the checked one.
  host.steps.Assign({Step(ckSetVariable, "v"), Step(ckSetClipboard, "text"),
                     Step(ckGetClipboard, "v"), Step(ckClearClipboard)});
  Tfrmclipboard clipboard;
  clipboard.Create(host.DialogOwner());
  const auto focusOnEditing = [&](std::size_t index) {
    host.EditStep(index);
    return FocusWhenShown([&] { host.Open(clipboard); }, clipboard.cmdcancel);
  };
  EXPECT_EQ(focusOnEditing(1), clipboard.rbcbset.Handle());
  EXPECT_EQ(focusOnEditing(2), clipboard.rbcbget.Handle());
  EXPECT_EQ(focusOnEditing(3), clipboard.rbcbclear.Handle());

  Tfrmcomment comment;
  comment.Create(host.DialogOwner());
  EXPECT_EQ(FocusWhenShown([&] { host.Open(comment); }, comment.cmdcancel),
            comment.txtcomment.Handle());

  Tfrmoptions options;
  options.Create(host.DialogOwner());
  EXPECT_EQ(FocusWhenShown([&] { options.Open(); }, options.cmdcancel), options.chkvpshow.Handle());
}

}  // namespace
}  // namespace vx::editor
