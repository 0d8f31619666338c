// The window dialog's mapping and the window finder's frames.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/editor/dialogs/WindowDialogFields.h"
#include "core/editor/dialogs/WindowFinder.h"

namespace {

using vx::TCommand;
using namespace vx::editor;

// Shows step, lets edit change the controls and the kind, and applies onto onto: a new step
// unless a test is about the fields Apply leaves alone, so a field that Show or Apply
// forgets cannot pass for one kept from the step under test.
template <typename Edit>
TCommand ShowEditApply(const TCommand& step, WindowValues& values, Edit edit, TCommand onto = {}) {
  std::uint8_t kind = ShowWindowStep(step, step.kind, values).currentKind;
  edit(values, kind);
  ApplyWindowStep(kind, values, onto);
  return onto;
}

void NoEdit(WindowValues&, std::uint8_t&) {}

TEST(WindowDialogTest, ShowMessageTypeIsFoundWithoutRegardToCase) {
  WindowValues values;
  // A new step applied without a type stores the empty text.
  EXPECT_EQ(ShowEditApply({222, "", "", "", "", 1}, values,
                          [](WindowValues& v, std::uint8_t&) { v.messageText = "hi"; }),
            (TCommand{222, "hi", "", "", "", 1}));
  EXPECT_EQ(ShowEditApply({222, "m", "warning", "", "c", 0}, values, NoEdit),
            (TCommand{222, "m", "Warning", "", "", 1}));
  EXPECT_EQ(ShowEditApply({222, "m2", "Fatal", "", "", 1}, values, NoEdit),
            (TCommand{222, "m2", "", "", "", 1}));
  EXPECT_EQ(FindListItem(MessageTypes, "QUESTION"), 3);
  EXPECT_EQ(FindListItem(MessageTypes, "Question "), -1);
}

TEST(WindowDialogTest, WindowKindsStoreTheClassName) {
  WindowValues values;
  for (std::uint8_t kind = vx::ckCloseAllWindows; kind <= vx::ckActivateWindow; ++kind) {
    const std::string name = "Class" + std::to_string(kind);
    EXPECT_EQ(ShowEditApply({kind, name, "old p2", "", "", 1}, values, NoEdit),
              (TCommand{kind, name, "", "", "", 1}))
        << int(kind);
    EXPECT_EQ(values.windowAction, kind);
  }
  const WindowShown kill = ShowWindowStep({225, "X", "", "", "", 1}, 225, values);
  EXPECT_EQ(values.windowAction, 225);
  ASSERT_TRUE(kill.view);
  EXPECT_EQ(kill.view->page, WindowPage::Window);
  EXPECT_EQ(kill.view->title, "Window States");
  EXPECT_EQ(kill.view->description, vx::StepKindDescription(vx::ckActivateWindow));
}

TEST(WindowDialogTest, KindChangesOnlyByMessageLinkOrANewlyCheckedRadio) {
  WindowValues values;
  ShowWindowStep({226, "Old", "", "", "", 1}, 226, values);  // leaves Close checked

  // Show Message, window link, the radio button still checked from before: stays a message.
  const TCommand message = ShowEditApply({222, "text", "Error", "", "", 1}, values,
                                         [](WindowValues& v, std::uint8_t& kind) {
                                           FollowWindowLink(WindowPage::Window, kind);
                                           CheckWindowAction(v, vx::ckCloseWindow, kind);
                                         });
  EXPECT_EQ(message, (TCommand{222, "text", "Error", "", "", 1}));

  // Close Window to Show Message: p1 and p2 from the message page.
  const TCommand shown = ShowEditApply({226, "Cls", "keep", "", "c", 1}, values,
                                       [](WindowValues& v, std::uint8_t& kind) {
                                         FollowWindowLink(WindowPage::Message, kind);
                                         v.messageText = "Done";
                                         v.messageType = 1;
                                       });
  EXPECT_EQ(shown, (TCommand{222, "Done", "Information", "", "", 1}));

  // Show Message to Minimize, applied onto the edited step: p1 from the window box, the old
  // p2 and the comment stay.
  const TCommand edited{222, "m", "Error", "", "c", 1};
  const TCommand minimized = ShowEditApply(
      edited, values,
      [](WindowValues& v, std::uint8_t& kind) {
        FollowWindowLink(WindowPage::Window, kind);
        CheckWindowAction(v, vx::ckMinimizeWindow, kind);
        v.windowName = "Cls";
      },
      edited);
  EXPECT_EQ(minimized, (TCommand{228, "Cls", "Error", "", "c", 1}));
}

using Frames = WindowFinder::Frames;

TEST(WindowFinderTest, EveryFrameDrawnIsErasedOnce) {
  WindowFinder finder;
  EXPECT_EQ(finder.Move(true, 10), Frames{});  // no drag began on the finder
  finder.Press();
  EXPECT_EQ(finder.Move(false, 10), Frames{});  // no left button
  EXPECT_EQ(finder.Move(true, 10), (Frames{0, 10, true}));
  EXPECT_EQ(finder.Move(true, 10), Frames{});  // same window: nothing redrawn
  EXPECT_EQ(finder.Move(true, 0), Frames{});   // over no window: the last one stays
  EXPECT_EQ(finder.Move(true, 20), (Frames{10, 20, true}));
  EXPECT_EQ(finder.Move(true, 30), (Frames{20, 30, true}));
  EXPECT_EQ(finder.End(), (Frames{30, 0, false}));
  EXPECT_EQ(finder.Framed(), 0u);
  EXPECT_EQ(finder.Move(true, 40), Frames{});  // the drag is over

  // A capture lost mid-drag ends it the same way; a drag that framed nothing erases nothing.
  finder.Press();
  finder.Move(true, 50);
  EXPECT_EQ(finder.End(), (Frames{50, 0, false}));
  finder.Press();
  EXPECT_EQ(finder.End(), Frames{});
}

}  // namespace
