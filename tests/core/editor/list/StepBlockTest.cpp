#include <gtest/gtest.h>

#include "ListTestSteps.h"
#include "core/Errors.h"
#include "core/editor/list/StepBlock.h"

namespace vx::editor {
namespace {

using namespace std::string_literals;

TEST(StepBlock, HoldsACountThenEachStepAsTheScriptFileDoes) {
  const TCommand step{ckClearClipboard, "abc", "", "x\x01y"s, "\0"s, 1};
  EXPECT_EQ(EncodeStepBlock(std::vector<TCommand>{step}),
            "\x01\x00\x00\x00"
            "\xC5"
            "\x03\x00"
            "abc"
            "\x00\x00"
            "\x03\x00"
            "x\x01y"
            "\x01\x00\x00"
            "\x01"s);
  EXPECT_EQ(EncodeStepBlock({}), "\0\0\0\0"s);
}

TEST(StepBlock, CopyTakesTheSelectionLastSelectedFirst) {
  StepList list = testing::NumberedList(5, {2, 4}, 1);
  list.Step(3).enabled = 0;
  const auto block = DecodeStepBlock(BuildStepBlock(list)).value();
  ASSERT_EQ(block.size(), 2u);
  EXPECT_EQ(block[0], list.Step(3));
  EXPECT_EQ(block[1], list.Step(1));
  list.SelectAll(false);
  EXPECT_EQ(BuildStepBlock(list), "\0\0\0\0"s);
}

TEST(StepBlock, DecodesWhatItEncodedWithAnyBytesInTheTexts) {
  std::string every;
  for (int b = 0; b < 256; ++b) every.push_back(static_cast<char>(b));
  const std::vector<TCommand> steps = {
      {ckRecord, every, "\x01\x01"s, "", "comment\r\nline", 0},
      {200, "", "", "", "", 7},  // not a step kind, carried unchanged
      {ckWait, std::string(65535, 'w'), "", "", "", 1},
  };
  EXPECT_EQ(DecodeStepBlock(EncodeStepBlock(steps)), steps);
}

TEST(StepBlock, IgnoresBytesAfterTheLastCountedStep) {
  // Clipboard memory may be rounded up past what was written.
  const std::vector<TCommand> steps = {testing::Numbered(1)};
  EXPECT_EQ(DecodeStepBlock(EncodeStepBlock(steps) + "\0\0\0garbage"s), steps);
}

TEST(StepBlock, RefusesWholeABlockWhoseCountOrLengthsDoNotFit) {
  const std::string good =
      EncodeStepBlock(std::vector<TCommand>{testing::Numbered(1), testing::Numbered(2)});
  const std::string refused[] = {
      ""s,
      "\x01\x00\x00"s,                       // shorter than the count
      "\x01\x00\x00\x00"s,                   // a count and no step
      "\xFF\xFF\xFF\xFF"s + good.substr(4),  // a count far past the bytes
      good.substr(0, good.size() - 1),       // the last enabled byte missing
      "\x01\x00\x00\x00\xC5\x10\x00short"s,  // a length past the end
      "\x03"s + good.substr(1),              // one step more than the bytes hold
  };
  for (const std::string& bytes : refused) {
    EXPECT_EQ(DecodeStepBlock(bytes), std::nullopt) << ::testing::PrintToString(bytes);
  }
}

TEST(StepBlock, CountZeroDecodesToNoSteps) {
  const auto steps = DecodeStepBlock("\0\0\0\0"s);
  ASSERT_TRUE(steps.has_value());
  EXPECT_TRUE(steps->empty());
}

TEST(StepBlock, RefusesToEncodeATextACountedStringCannotHold) {
  StepList list = testing::NumberedList(3, {1, 3});
  list.Step(0).p4.assign(65536, 'c');
  try {
    BuildStepBlock(list);
    FAIL() << "encoded a text of 65536 bytes";
  } catch (const ScriptLimitError& e) {
    // Named as the list numbers it, although it is the second in the block.
    EXPECT_STREQ(e.Message(),
                 "Step 1: field p4 holds 65536 bytes; a step holds at most 65535 "
                 "bytes per field.");
  }
}

}  // namespace
}  // namespace vx::editor
