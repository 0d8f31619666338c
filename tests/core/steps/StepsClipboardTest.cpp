#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "StepsFakes.h"
#include "core/StepKinds.h"

namespace {

using ::testing::ElementsAre;
using vxtest::StepsRig;

TEST(StepsClipboard, ClearEmptiesInsideOneOpeningThenLogs) {
  StepsRig rig;
  rig.clipboard.text = "old";
  rig.Run(vx::ckClearClipboard, "ignored");
  EXPECT_THAT(rig.journal,
              ElementsAre("Open", "Empty", "Close", "log Clipboard cleared successfully"));
  EXPECT_EQ(rig.clipboard.text, "");
}

TEST(StepsClipboard, SetPutsTheSubstitutedTextAndLogsItAgain) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "name", "World");
  rig.journal.clear();
  rig.Run(vx::ckSetClipboard, "Hello %name% and %nobody%");
  EXPECT_THAT(rig.journal, ElementsAre("Open", "Empty", "SetText Hello World and %nobody%", "Close",
                                       "log Clipboard data changed to: Hello World and %nobody%"));
}

TEST(StepsClipboard, GetChangesTheNamedVariableAndLogsThroughIt) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "v", "before");
  rig.journal.clear();
  rig.clipboard.text = "from clipboard %v%";
  rig.Run(vx::ckGetClipboard, "V");
  EXPECT_THAT(rig.journal, ElementsAre("Open", "GetText", "Close",
                                       "log \"V\" changed successfully to from clipboard %v%"));
  EXPECT_THAT(rig.state.variables.Lines(), ElementsAre("%v%=from clipboard %v%"));

  // No text on the clipboard: the variable is no longer declared.
  rig.clipboard.text.clear();
  rig.Run(vx::ckGetClipboard, "v");
  EXPECT_EQ(rig.log.lines.back(), "\"v\" changed successfully to ");
  EXPECT_TRUE(rig.state.variables.Lines().empty());
  rig.Run(vx::ckGetClipboard, "v");
  EXPECT_EQ(rig.log.lines.back(), "\"v\" is not declared. Variable must be declared first.");
}

TEST(StepsClipboard, AClipboardThatCannotBeOpenedRaisesAndLogsNothing) {
  for (const std::uint8_t kind : {vx::ckClearClipboard, vx::ckSetClipboard, vx::ckGetClipboard}) {
    StepsRig rig;
    rig.Run(vx::ckSetVariable, "v", "kept");
    rig.journal.clear();
    rig.clipboard.openSucceeds = false;
    try {
      rig.Run(kind, "v");
      ADD_FAILURE() << "no error for kind " << int(kind);
    } catch (const vx::ClipboardError& error) {
      EXPECT_STREQ(error.what(), "Cannot open clipboard");
      EXPECT_EQ(error.Kind(), "EClipboardException");
    }
    EXPECT_THAT(rig.journal, ElementsAre("Open failed")) << int(kind);
    EXPECT_THAT(rig.state.variables.Lines(), ElementsAre("%v%=kept"));
  }
}

TEST(StepsClipboard, TextTheSystemRefusesIsAnErrorNotASuccessLine) {
  StepsRig rig;
  rig.clipboard.setSucceeds = false;
  EXPECT_THROW(rig.Run(vx::ckSetClipboard, "x"), vx::ClipboardError);
  EXPECT_THAT(rig.journal, ElementsAre("Open", "Empty", "SetText x", "Close"));
}

}  // namespace
