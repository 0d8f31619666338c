// The window dialog's mapping and the window finder's frames.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/editor/MappedDialog.h"
#include "core/editor/dialogs/WindowDialogFields.h"
#include "core/editor/dialogs/WindowFinder.h"

namespace {

using vx::TCommand;
using namespace vx::editor;
using namespace vxtest;

const MappedDialog Dialog{WindowMapping, WindowControlCount};

// A window radio button that becomes checked: the button and the current kind.
void CheckWindow(DialogValues& values, std::uint8_t& kind, std::uint8_t chosen) {
  CheckKind(values[wcWindowAction], WindowKinds, kind, chosen);
}

std::uint8_t CheckedWindow(const DialogValues& values) {
  return CheckedKind(values[wcWindowAction], WindowKinds);
}

TEST(WindowDialogTest, ShowMessageTypeIsFoundWithoutRegardToCase) {
  DialogValues values = Dialog.Fresh();
  // A new step applied without a type stores the empty text.
  EXPECT_EQ(
      Dialog.ShowEditApply({222, "", "", "", "", 1}, values,
                           [](DialogValues& v, std::uint8_t&) { v[wcMessageText].text = "hi"; }),
      (TCommand{222, "hi", "", "", "", 1}));
  EXPECT_EQ(Dialog.ShowEditApply({222, "m", "warning", "", "c", 0}, values, NoEdit),
            (TCommand{222, "m", "Warning", "", "", 1}));
  EXPECT_EQ(Dialog.ShowEditApply({222, "m2", "Fatal", "", "", 1}, values, NoEdit),
            (TCommand{222, "m2", "", "", "", 1}));
  ShowStepValues(WindowMapping, {222, "", "QUESTION", "", "", 1}, {}, values);
  EXPECT_EQ(values[wcMessageType].index, 3);
  ShowStepValues(WindowMapping, {222, "", "Question ", "", "", 1}, {}, values);
  EXPECT_EQ(values[wcMessageType].index, -1);
}

TEST(WindowDialogTest, WindowKindsStoreTheClassName) {
  DialogValues values = Dialog.Fresh();
  for (std::uint8_t kind = vx::ckCloseAllWindows; kind <= vx::ckActivateWindow; ++kind) {
    const std::string name = "Class" + std::to_string(kind);
    EXPECT_EQ(Dialog.ShowEditApply({kind, name, "old p2", "", "", 1}, values, NoEdit),
              (TCommand{kind, name, "", "", "", 1}))
        << int(kind);
    EXPECT_EQ(CheckedWindow(values), kind);
  }
}

TEST(WindowDialogTest, KindChangesOnlyByMessageLinkOrANewlyCheckedRadio) {
  DialogValues values = Dialog.Fresh();
  ShowStepValues(WindowMapping, {226, "Old", "", "", "", 1}, {}, values);  // leaves Close checked

  // Show Message, window link, the radio button still checked from before (a click on it runs
  // no click action): stays a message.
  const TCommand message = Dialog.ShowEditApply({222, "text", "Error", "", "", 1}, values,
                                                [](DialogValues& v, std::uint8_t& kind) {
                                                  FollowWindowLink(WindowPage::Window, kind);
                                                  EXPECT_EQ(CheckedWindow(v), vx::ckCloseWindow);
                                                });
  EXPECT_EQ(message, (TCommand{222, "text", "Error", "", "", 1}));

  // Close Window to Show Message: p1 and p2 from the message page.
  const TCommand shown = Dialog.ShowEditApply({226, "Cls", "keep", "", "c", 1}, values,
                                              [](DialogValues& v, std::uint8_t& kind) {
                                                FollowWindowLink(WindowPage::Message, kind);
                                                v[wcMessageText].text = "Done";
                                                v[wcMessageType].index = 1;
                                              });
  EXPECT_EQ(shown, (TCommand{222, "Done", "Information", "", "", 1}));

  // Show Message to Minimize, applied onto the edited step: p1 from the window box, the old
  // p2 and the comment stay.
  const TCommand edited{222, "m", "Error", "", "c", 1};
  const TCommand minimized = Dialog.ShowEditApply(
      edited, values,
      [](DialogValues& v, std::uint8_t& kind) {
        FollowWindowLink(WindowPage::Window, kind);
        CheckWindow(v, kind, vx::ckMinimizeWindow);
        v[wcWindowName].text = "Cls";
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
