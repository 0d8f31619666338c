#include "core/StepKinds.h"

#include <gtest/gtest.h>

#include <set>

#include "core/Command.h"

namespace vx {
namespace {

TEST(StepKindTable, HoldsThirtySixKindsWithOwnIconsAndNames) {
  std::set<int> codes, images;
  std::set<std::string> names;
  for (const TIDLib& entry : StepKindTable) {
    codes.insert(entry.code);
    images.insert(entry.imageIndex);
    names.insert(entry.name);
  }
  EXPECT_EQ(codes.size(), 36u);
  EXPECT_EQ(names.size(), 36u);
  EXPECT_EQ(images.size(), 36u);
  EXPECT_EQ(*images.begin(), 0);
  EXPECT_EQ(*images.rbegin(), 35);
  EXPECT_EQ(StepKindTable.back().code, ckClearClipboard);
}

TEST(StepKindLookup, UnknownCodesAnswerAsClearClipboard) {
  EXPECT_EQ(StepKindName(197), "Clear Clipboard");
  EXPECT_EQ(StepKindName(0), "Clear Clipboard");
  EXPECT_EQ(StepKindName(200), "Clear Clipboard");
  EXPECT_EQ(StepKindName(255), "Record");
  EXPECT_EQ(StepKindName(ckLogOFFCurrentUser), "Log OFF Current User");
  EXPECT_EQ(StepKindDescription(227), "");
  EXPECT_EQ(StepKindDescription(100), "");
  EXPECT_EQ(StepKindImageIndex(197), 2);
  EXPECT_EQ(StepKindImageIndex(199), 0);
  EXPECT_EQ(StepKindImageIndex(255), 35);
  EXPECT_EQ(StepKindImageIndex(42), 2);
}

TEST(StepKindLookup, DescriptionsKeepTheirOriginalWording) {
  EXPECT_EQ(StepKindDescription(ckMinimizeWindow),
            "Allow you to Minimize Window. The window is identified by uts class name");
  EXPECT_EQ(StepKindDescription(ckFtpRenameFile), "Rename File on the specified server");
  EXPECT_EQ(StepKindDescription(ckShowMessage),
            "Dispaply a Message to the user with the specified paramters.");
  EXPECT_EQ(StepKindDescription(ckCloseAllWindows), "Close All Windows");
}

TEST(StepKindLookup, FromNameIsExactAndFallsBackTo197) {
  EXPECT_EQ(StepKindFromName("Copy Object"), 245);
  EXPECT_EQ(StepKindFromName("copy object"), 197);
  EXPECT_EQ(StepKindFromName("Copy Object "), 197);
  EXPECT_EQ(StepKindFromName("Clear Clipboard"), 197);
  EXPECT_EQ(StepKindFromName(""), 197);
  for (const TIDLib& entry : StepKindTable) EXPECT_EQ(StepKindFromName(entry.name), entry.code);
}

TEST(GetField, SplitsAtTheSeparatorKeepingEmptyFields) {
  const std::string abc = std::string("a") + FieldSeparator + "b" + FieldSeparator + "c";
  EXPECT_EQ(GetField(abc, FieldSeparator, 0), "a");
  EXPECT_EQ(GetField(abc, FieldSeparator, 1), "b");
  EXPECT_EQ(GetField(abc, FieldSeparator, 2), "c");
  EXPECT_EQ(GetField(abc, FieldSeparator, 3), "");
  EXPECT_EQ(GetField(abc, FieldSeparator, -1), "");

  const std::string gap = std::string("a") + FieldSeparator + FieldSeparator + "c";
  EXPECT_EQ(GetField(gap, FieldSeparator, 1), "");
  EXPECT_EQ(GetField(gap, FieldSeparator, 2), "c");

  const std::string trailing = std::string("a") + FieldSeparator + "b" + FieldSeparator;
  EXPECT_EQ(GetField(trailing, FieldSeparator, 1), "b");
  EXPECT_EQ(GetField(trailing, FieldSeparator, 2), "");

  EXPECT_EQ(GetField("", FieldSeparator, 0), "");
  EXPECT_EQ(GetField("whole text", FieldSeparator, 0), "whole text");
  EXPECT_EQ(GetField("120, 45", ',', 1), " 45");
  EXPECT_EQ(GetField("MessageBeep(0)", '(', 0), "MessageBeep");
  EXPECT_EQ(GetField("Left Double", ' ', 1), "Double");
}

TEST(ClearStep, EmptiesTextsEnablesAndKeepsTheKind) {
  TCommand step{ckSendEmail, "a", "b", "c", "d", 0};
  ClearStep(step);
  EXPECT_EQ(step, (TCommand{ckSendEmail, "", "", "", "", 1}));
}

}  // namespace
}  // namespace vx
