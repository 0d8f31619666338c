// The user input dialog: Send Keys, Mouse Click and Mouse Move shown and applied back.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/editor/MappedDialog.h"
#include "core/editor/dialogs/UserInputDialogFields.h"
#include "core/editor/disk_dialogs/DialogSteps.h"

namespace vxtest {
namespace {

using vx::TCommand;
using namespace vx::editor;

const MappedDialog Dialog{UserInputMapping, UserInputControlCount};

TEST(UserInputDialogTest, ANewSendKeysStepSendsWhole) {
  EXPECT_EQ(Dialog.Fresh()[uiSendMode].index, sendCharByChar) << "as the form is created";
  const DialogValues values = Dialog.Shown(NewStep(vx::ckSendKeys));
  EXPECT_EQ(values[uiSendMode].index, sendWhole);
  EXPECT_EQ(Dialog.Applied(vx::ckSendKeys, values, NewStep(vx::ckSendKeys)),
            Step(vx::ckSendKeys, "", "a"));
}

TEST(UserInputDialogTest, OnlyASmallCIsCharacterByCharacter) {
  const TCommand small = Step(vx::ckSendKeys, "ab{ENTER}\r\nc\td", "c", "", "note", 0);
  const DialogValues values = Dialog.Shown(small);
  EXPECT_EQ(values[uiSendMode].index, sendCharByChar);
  EXPECT_EQ(Dialog.Applied(small.kind, values, Blank(small)), small);
  const DialogValues capital = Dialog.Shown(Step(vx::ckSendKeys, "x", "C"), values);
  EXPECT_EQ(capital[uiSendMode].index, sendWhole);
  EXPECT_EQ(Dialog.Applied(vx::ckSendKeys, capital, NewStep(vx::ckSendKeys)),
            Step(vx::ckSendKeys, "x", "a"));
}

TEST(UserInputDialogTest, MouseStepsKeepTheirFields) {
  const TCommand move = Step(vx::ckMouseMove, "300, 400", "old", "p3");
  DialogValues values = Dialog.Shown(Step(vx::ckMouseClick, "Left Button Click"));
  values = Dialog.Shown(move, values);
  EXPECT_EQ(values[uiClickType].index, -1) << "a Mouse Move clears the click type";
  EXPECT_EQ(Dialog.Applied(move.kind, values, NewStep(move.kind)),
            Step(vx::ckMouseMove, "300, 400"));

  // The click type is found without regard to case and stored as the list writes it.
  values = Dialog.Shown(Step(vx::ckMouseClick, "right button hold"), values);
  EXPECT_EQ(values[uiMousePosition].text, "") << "a Mouse Click empties the position box";
  EXPECT_EQ(Dialog.Applied(vx::ckMouseClick, values, NewStep(vx::ckMouseClick)),
            Step(vx::ckMouseClick, "Right Button Hold"));
  // A new Mouse Click applied without a click type stores p1 empty.
  EXPECT_EQ(Dialog.Applied(vx::ckMouseClick, Dialog.Shown(NewStep(vx::ckMouseClick), values),
                           Step(vx::ckMouseClick, "stale")),
            NewStep(vx::ckMouseClick));
  for (std::size_t i = 0; i < ClickTypes.size(); ++i) {
    const TCommand typed = Step(vx::ckMouseClick, std::string(ClickTypes[i]));
    EXPECT_EQ(Dialog.Applied(typed.kind, Dialog.Shown(typed), Blank(typed)), typed);
    if (i > 0) {
      EXPECT_LT(ClickTypes[i - 1], ClickTypes[i]);  // the list is sorted
    }
  }
}

TEST(UserInputDialogTest, TheMouseLinkKeepsTheKindAndTheRadioButtonsChooseIt) {
  DialogValues values = Dialog.Shown(Step(vx::ckMouseClick, "Left Button Click"));
  EXPECT_EQ(MouseActionKinds[values[uiMouseAction].index], vx::ckMouseClick);

  // Send Keys, mouse link, Apply without a radio button: still Send Keys, and the mouse
  // radio button keeps what the last mouse step checked.
  const TCommand keys = Step(vx::ckSendKeys, "old", "c");
  values = Dialog.Shown(keys, values);
  EXPECT_EQ(MouseActionKinds[values[uiMouseAction].index], vx::ckMouseClick);
  std::uint8_t kind = keys.kind;
  EXPECT_EQ(FollowUserInputLink(UserInputPage::Mouse, kind).page, UserInputPage::Mouse);
  values[uiKeyText].text = "new";
  EXPECT_EQ(Dialog.Applied(kind, values, Blank(keys)), Step(vx::ckSendKeys, "new", "c"));

  // Mouse Move made a Mouse Click by its radio button.
  const TCommand move = Step(vx::ckMouseMove, "1, 2");
  values = Dialog.Shown(move, values);
  values[uiClickType].index = 8;
  EXPECT_EQ(Dialog.Applied(MouseActionKinds[1], values, Blank(move)),
            Step(vx::ckMouseClick, "Right Button Click"));

  // Send Keys made a Mouse Move, applied onto the edited step, keeps its old p2.
  const TCommand keysStep = Step(vx::ckSendKeys, "k", "c");
  values = Dialog.Shown(keysStep, values);
  kind = keysStep.kind;
  FollowUserInputLink(UserInputPage::Mouse, kind);
  kind = MouseActionKinds[0];  // "Move Mouse" clicked
  values[uiMousePosition].text = CursorPositionText(5, 6);
  EXPECT_EQ(Dialog.Applied(kind, values, keysStep), Step(vx::ckMouseMove, "5, 6", "c"));
  // The keyboard link makes it Send Keys again.
  FollowUserInputLink(UserInputPage::Keyboard, kind);
  EXPECT_EQ(kind, vx::ckSendKeys);
}

}  // namespace
}  // namespace vxtest
