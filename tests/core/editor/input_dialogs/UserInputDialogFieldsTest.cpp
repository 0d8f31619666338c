// The user input dialog: Send Keys, Mouse Click and Mouse Move shown and applied back.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/editor/dialogs/UserInputDialogFields.h"

namespace {

using vx::TCommand;
using namespace vx::editor;

// Shows step, lets edit change the controls and the kind, and applies onto onto: a new step
// unless a test is about the fields Apply leaves alone, so a field that Show or Apply
// forgets cannot pass for one kept from the step under test.
template <typename Edit>
TCommand ShowEditApply(const TCommand& step, UserInputValues& values, Edit edit,
                       TCommand onto = {}) {
  KeyCapture capture;
  std::uint8_t kind = ShowUserInputStep(step, step.kind, values, capture).currentKind;
  edit(values, kind);
  ApplyUserInputStep(kind, values, onto);
  return onto;
}

void NoEdit(UserInputValues&, std::uint8_t&) {}

TEST(UserInputDialogTest, NewSendKeysOpensTheKeyboardPageAndSendsWhole) {
  UserInputValues values;
  KeyCapture capture;
  const UserInputShown shown = ShowUserInputStep({207, "", "", "", "", 1}, 207, values, capture);
  ASSERT_TRUE(shown.view);
  EXPECT_EQ(shown.view->page, UserInputPage::Keyboard);
  EXPECT_EQ(shown.view->title, "Control Keyboard");
  EXPECT_EQ(shown.view->description, vx::StepKindDescription(207));
  EXPECT_FALSE(values.sendCharByChar);
  EXPECT_TRUE(capture.On());
  TCommand step{207, "", "", "", "", 1};
  ApplyUserInputStep(shown.currentKind, values, step);
  EXPECT_EQ(step, (TCommand{207, "", "a", "", "", 1}));
}

TEST(UserInputDialogTest, OnlyASmallCIsCharacterByCharacter) {
  UserInputValues values;
  EXPECT_EQ(ShowEditApply({207, "ab{ENTER}\r\nc\td", "c", "", "note", 0}, values, NoEdit),
            (TCommand{207, "ab{ENTER}\r\nc\td", "c", "", "", 1}));
  EXPECT_TRUE(values.sendCharByChar);
  EXPECT_EQ(ShowEditApply({207, "x", "C", "", "", 1}, values, NoEdit),
            (TCommand{207, "x", "a", "", "", 1}));
  EXPECT_FALSE(values.sendCharByChar);
}

TEST(UserInputDialogTest, MouseStepsKeepTheirFields) {
  UserInputValues values;
  EXPECT_EQ(ShowEditApply({209, "300, 400", "old", "p3", "", 1}, values, NoEdit),
            (TCommand{209, "300, 400", "", "", "", 1}));
  EXPECT_EQ(values.clickType, -1);

  // The click type is found without regard to case and stored as the list writes it.
  EXPECT_EQ(ShowEditApply({208, "right button hold", "", "", "", 1}, values, NoEdit),
            (TCommand{208, "Right Button Hold", "", "", "", 1}));
  EXPECT_EQ(values.mousePosition, "");
  // A new Mouse Click applied without a click type stores p1 empty.
  EXPECT_EQ(ShowEditApply({208, "", "", "", "", 1}, values, NoEdit),
            (TCommand{208, "", "", "", "", 1}));
  for (std::size_t i = 0; i < ClickTypes.size(); ++i) {
    EXPECT_EQ(FindClickType(ClickTypes[i]), static_cast<int>(i));
    if (i > 0) {
      EXPECT_LT(ClickTypes[i - 1], ClickTypes[i]);  // the list is sorted
    }
  }
}

TEST(UserInputDialogTest, MouseLinkKeepsTheKindAndDescribesMouseMove) {
  UserInputValues values;
  KeyCapture capture;
  const UserInputShown click =
      ShowUserInputStep({208, "Left Button Click", "", "", "", 1}, 208, values, capture);
  ASSERT_TRUE(click.view);
  EXPECT_EQ(click.view->title, "Control Mouse");
  EXPECT_EQ(click.view->description, vx::StepKindDescription(vx::ckMouseMove));
  EXPECT_EQ(values.mouseAction, 208);

  // Send Keys, mouse link, Apply without a radio button: still Send Keys.
  const TCommand keys = ShowEditApply(
      {207, "old", "c", "", "", 1}, values, [](UserInputValues& v, std::uint8_t& kind) {
        FollowUserInputLink(UserInputPage::Mouse, kind);
        CheckMouseAction(v, vx::ckMouseClick, kind);  // left checked: no change
        v.keyText = "new";
      });
  EXPECT_EQ(keys, (TCommand{207, "new", "c", "", "", 1}));

  // Mouse Move made a Mouse Click by its radio button.
  const TCommand clicked = ShowEditApply({209, "1, 2", "", "", "", 1}, values,
                                         [](UserInputValues& v, std::uint8_t& kind) {
                                           CheckMouseAction(v, vx::ckMouseClick, kind);
                                           v.clickType = FindClickType("Right Button Click");
                                         });
  EXPECT_EQ(clicked, (TCommand{208, "Right Button Click", "", "", "", 1}));

  // Send Keys made a Mouse Move, applied onto the edited step, keeps its old p2.
  const TCommand keysStep{207, "k", "c", "", "", 1};
  const TCommand moved = ShowEditApply(
      keysStep, values,
      [](UserInputValues& v, std::uint8_t& kind) {
        FollowUserInputLink(UserInputPage::Mouse, kind);
        CheckMouseAction(v, vx::ckMouseMove, kind);
        v.mousePosition = CursorPositionText(5, 6);
      },
      keysStep);
  EXPECT_EQ(moved, (TCommand{209, "5, 6", "c", "", "", 1}));
}

}  // namespace
