#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"

namespace vx {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

std::vector<TCommand> Numbered(int count) {
  std::vector<TCommand> steps;
  for (int i = 0; i < count; ++i) steps.push_back({ckWait, std::to_string(i), "", "", "", 1});
  return steps;
}

TEST(ScriptFileWrite, EmptyListGivesTheFiveByteFile) {
  EXPECT_EQ(EncodeScript({}, 0, -1), Bytes({0xDF, 0x07, 0x01, 0x00, 0x00}));
}

TEST(ScriptFileWrite, OneEmptyStepIsFifteenBytes) {
  const std::vector<TCommand> steps = {{ckClearClipboard, "", "", "", "", 1}};
  EXPECT_EQ(EncodeScript(steps, 0, -1),
            Bytes({0xDF, 0x07, 0x01, 0x01, 0x00, 0xC5, 0, 0, 0, 0, 0, 0, 0, 0, 0x01}));
}

TEST(ScriptFileWrite, CountedStringsCarryAnyBytes) {
  std::string out;
  WriteCountedString(out, "abc");
  EXPECT_EQ(out, Bytes({0x03, 0x00, 0x61, 0x62, 0x63}));

  const std::string odd = std::string("x\x01y\r\n", 5) + std::string(1, '\0') + "\xFF";
  const std::vector<TCommand> steps = {{ckSendEmail, odd, "", "", "comment", 0}};
  std::vector<TCommand> back;
  ReadScriptSteps(EncodeScript(steps, 0, -1), back);
  EXPECT_EQ(back, steps);
}

TEST(ScriptFileWrite, RangeWritesFirstToLastInclusive) {
  const auto steps = Numbered(6);
  std::vector<TCommand> back;
  ReadScriptSteps(EncodeScript(steps, 2, 4), back);
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[0].p1, "2");
  EXPECT_EQ(back[2].p1, "4");
}

// A range the list does not have is refused, naming the range as it was asked for; an
// empty range just past the last step is a script without steps.
TEST(ScriptFileWrite, RefusesARangeOutsideTheList) {
  const auto steps = Numbered(3);
  const std::pair<std::int32_t, std::int32_t> outside[] = {{-1, 1}, {0, 3}, {3, 1}, {2, 0}};
  for (const auto& [first, last] : outside) {
    try {
      EncodeScript(steps, first, last);
      ADD_FAILURE() << first << " to " << last << " was written";
    } catch (const ScriptLimitError& e) {
      EXPECT_EQ(std::string(e.what()), "Steps " + std::to_string(first) + " to " +
                                           std::to_string(last) + " are not in the list.");
    }
  }
  EXPECT_EQ(EncodeScript(steps, 3, -1), Bytes({0xDF, 0x07, 0x01, 0x00, 0x00}));
  EXPECT_EQ(EncodeScript(steps, 1, 0), Bytes({0xDF, 0x07, 0x01, 0x00, 0x00}));
}

// Run Selected writes a part of the list: the error points at the step where the user
// sees it, not at its place in the part.
TEST(ScriptFileWrite, TooLargeNamesTheStepsPlaceInTheList) {
  std::vector<TCommand> steps = Numbered(6);
  steps[3].p2.assign(65536, 'x');
  try {
    EncodeScript(steps, 2, 4);
    FAIL() << "an over-long text was written";
  } catch (const ScriptLimitError& e) {
    EXPECT_EQ(std::string(e.what()).substr(0, 16), "Step 4: field p2") << e.what();
  }
}

TEST(ScriptFileWrite, RefusesWhatTheLayoutCannotHold) {
  std::vector<TCommand> steps = Numbered(3);
  steps[1].p3.assign(65536, 'x');
  try {
    EncodeScript(steps, 0, -1);
    FAIL() << "an over-long text was written";
  } catch (const ScriptLimitError& e) {
    EXPECT_NE(std::string(e.what()).find("Step 2"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("p3"), std::string::npos) << e.what();
  }
  steps[1].p3.assign(65535, 'x');
  EXPECT_EQ(EncodeScript(steps, 0, -1).size(), 5u + 3 * 10 + 3 + 65535);

  const auto many = Numbered(65536);
  EXPECT_THROW(EncodeScript(many, 0, -1), ScriptLimitError);
  EXPECT_EQ(EncodeScript(many, 1, -1).substr(3, 2), Bytes({0xFF, 0xFF}));
}

TEST(ScriptFileRead, IgnoresHeaderValuesAndTrailingBytes) {
  const std::vector<TCommand> steps = {{ckWait, "10", "", "", "", 1}};
  std::string bytes = EncodeScript(steps, 0, -1);
  bytes[0] = 0;
  bytes[1] = 0;
  bytes[2] = 7;
  bytes += "trailing garbage";
  std::vector<TCommand> back;
  ReadScriptSteps(bytes, back);
  EXPECT_EQ(back, steps);
}

TEST(ScriptFileRead, AppendsToWhatTheListHolds) {
  std::vector<TCommand> list = {{ckRecord, "", "", "", "", 1}};
  ReadScriptSteps(EncodeScript(Numbered(2), 0, -1), list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].kind, ckRecord);
  EXPECT_EQ(list[2].p1, "1");
}

TEST(ScriptFileRead, CutShortKeepsCompleteStepsThenFails) {
  const std::string full = EncodeScript(Numbered(3), 0, -1);
  // Every cut point inside the steps (11 bytes each): the steps wholly before it are kept.
  for (std::size_t cut = 5; cut < full.size(); ++cut) {
    std::vector<TCommand> back;
    try {
      ReadScriptSteps(std::string_view(full).substr(0, cut), back);
      FAIL() << "no error at cut " << cut;
    } catch (const InOutError& e) {
      EXPECT_STREQ(e.what(), "Read beyond end of file");
    }
    EXPECT_EQ(back.size(), (cut - 5) / 11) << "cut " << cut;
  }
  std::vector<TCommand> none;
  EXPECT_THROW(ReadScriptSteps(std::string_view(full).substr(0, 4), none), InOutError);
}

TEST(ScriptFileRead, StepByStepReaderReadsOneAtATime) {
  const std::string bytes = EncodeScript(Numbered(2), 0, -1);
  ScriptReader reader(std::string_view(bytes).substr(0, bytes.size() - 1));
  ASSERT_EQ(reader.ReadHeader(), 2);
  EXPECT_EQ(reader.ReadStep().p1, "0");
  EXPECT_THROW(reader.ReadStep(), InOutError);
}

TEST(ScriptFileRead, UnknownKindsPassThroughUnchanged) {
  const std::vector<TCommand> steps = {{42, "a", "b", "c", "d", 7}};
  std::vector<TCommand> back;
  ReadScriptSteps(EncodeScript(steps, 0, -1), back);
  EXPECT_EQ(back, steps);
  EXPECT_EQ(StepKindName(back[0].kind), "Clear Clipboard");
}

}  // namespace
}  // namespace vx
