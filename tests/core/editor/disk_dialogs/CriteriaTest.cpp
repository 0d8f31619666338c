#include <gtest/gtest.h>

#include <vector>

#include "DialogSteps.h"
#include "core/ObjectCriteria.h"
#include "core/editor/dialogs/CriteriaBoxes.h"
#include "core/editor/dialogs/ObjectCriteriaLines.h"
#include "core/editor/dialogs/SizeBox.h"

namespace vxtest {
namespace {

using vx::editor::CheckCriteriaBoxes;
using vx::editor::CheckSizeBox;
using vx::editor::CriteriaBoxes;
using vx::editor::CriteriaBoxesFrom;
using vx::editor::CriteriaTextOf;
using vx::editor::ObjectCriteriaLines;
using vx::editor::SizeBound;
using Lines = std::vector<std::string>;

// The five boxes holding these texts.
CriteriaBoxes Boxes(std::string name, std::string location, std::string extension = "",
                    std::string low = "", std::string high = "") {
  CriteriaBoxes boxes(vx::editor::CriteriaControlCount);
  boxes[vx::editor::crName].text = std::move(name);
  boxes[vx::editor::crLocation].text = std::move(location);
  boxes[vx::editor::crExtension].text = std::move(extension);
  boxes[vx::editor::crSizeLow].text = std::move(low);
  boxes[vx::editor::crSizeHigh].text = std::move(high);
  return boxes;
}

TEST(CriteriaLines, EachFilledSubFieldGivesAHeadingAndAnIndentedValue) {
  EXPECT_EQ(ObjectCriteriaLines(""), Lines{});
  EXPECT_EQ(ObjectCriteriaLines("\x01\x01\x01\x01"), Lines{});
  EXPECT_EQ(ObjectCriteriaLines(Criteria("report", "", "txt")),
            (Lines{"With a filename of", "   report", "And with an extension of", "   txt"}));
  EXPECT_EQ(
      ObjectCriteriaLines(Criteria("a*", "C:\\d", "doc", "10", "20")),
      (Lines{"With a filename of", "   a*", "Located in", "   C:\\d", "And with an extension of",
             "   doc", "With a file size", "   Bigger than 10KB, Smaller than 20KB"}));
  // A criteria of a hand-made script with only two sub-fields.
  EXPECT_EQ(ObjectCriteriaLines("n\x01l"),
            (Lines{"With a filename of", "   n", "Located in", "   l"}));
}

TEST(CriteriaLines, ASingleSizeBoundKeepsItsOddSpacing) {
  EXPECT_EQ(ObjectCriteriaLines(Criteria("", "", "", "", "20")),
            (Lines{"With a file size", "Smaller than 20KB"}));
  EXPECT_EQ(ObjectCriteriaLines(Criteria("", "", "", "10", "")),
            (Lines{"With a file size", "   Bigger than 10KB, "}));
  EXPECT_EQ(ObjectCriteriaLines(Criteria("", "", "", "abc", "")),
            (Lines{"With a file size", "   Bigger than abcKB, "}))
      << "shown as the script holds it";
}

TEST(CriteriaBoxes, FiveBoxesMakeFiveSubFieldsAndBack) {
  EXPECT_EQ(CriteriaTextOf(Boxes("", "")), "\x01\x01\x01\x01");
  const CriteriaBoxes boxes = Boxes("rep", "C:\\d", "txt", "1", "2");
  EXPECT_EQ(CriteriaTextOf(boxes), Criteria("rep", "C:\\d", "txt", "1", "2"));
  EXPECT_EQ(CriteriaBoxesFrom(CriteriaTextOf(boxes)), boxes);
  EXPECT_EQ(CriteriaBoxesFrom(""), Boxes("", ""));
  EXPECT_EQ(CriteriaBoxesFrom("n\x01l"), Boxes("n", "l"));
  // Sub-fields past the fifth are not shown, and OK writes exactly five.
  EXPECT_EQ(CriteriaTextOf(CriteriaBoxesFrom(Criteria("a", "b", "c", "d", "e") + "\x01"
                                                                                 "f")),
            Criteria("a", "b", "c", "d", "e"));
}

TEST(CriteriaBoxes, TheSeparatorNeverEntersABox) {
  using vx::editor::SubFieldBoxPaste;
  using vx::editor::SubFieldBoxTakesKey;
  EXPECT_FALSE(SubFieldBoxTakesKey('\x01'));
  EXPECT_TRUE(SubFieldBoxTakesKey('a'));
  EXPECT_TRUE(SubFieldBoxTakesKey('\x16')) << "Ctrl+V still pastes";
  EXPECT_EQ(SubFieldBoxPaste("C:\\a\x01\x01"
                             "b\r\n"),
            "C:\\ab\r\n");
  // Even when one got there, the other sub-fields keep their places.
  const std::string text =
      CriteriaTextOf(Boxes("a\x01"
                           "b",
                           "loc"));
  EXPECT_EQ(vx::ParseObjectCriteria(text).location, "loc");
}

TEST(SizeBox, TakesDigitsTypedOrPasted) {
  using vx::editor::SizeBoxPaste;
  using vx::editor::SizeBoxTakesKey;
  std::string box;
  for (char typed : std::string("1a2 -\x01"
                                "3"))
    if (SizeBoxTakesKey(typed)) box += typed;
  EXPECT_EQ(box, "123");
  for (char digit = '0'; digit <= '9'; ++digit) EXPECT_TRUE(SizeBoxTakesKey(digit)) << digit;
  EXPECT_FALSE(SizeBoxTakesKey('/'));
  EXPECT_FALSE(SizeBoxTakesKey(':'));
  for (char editing : {'\b', '\r', '\x03', '\x16', '\x18', '\x1a'})
    EXPECT_TRUE(SizeBoxTakesKey(editing)) << int{editing};
  EXPECT_FALSE(SizeBoxTakesKey('$'));
  EXPECT_EQ(SizeBoxPaste(" 1,024 KB\x01"), "1024");
  EXPECT_EQ(SizeBoxPaste("/0123456789:"), "0123456789");
  EXPECT_EQ(SizeBoxPaste("abc"), "");
  EXPECT_EQ(SizeBoxPaste("007"), "007") << "leading zeros stay";
}

TEST(SizeBox, OkRefusesWhatThePlayerCouldNotRead) {
  EXPECT_FALSE(CheckSizeBox(SizeBound::Lower, ""));
  EXPECT_FALSE(CheckSizeBox(SizeBound::Lower, "2147483647"));
  EXPECT_FALSE(CheckSizeBox(SizeBound::Upper, "0002147483647"));
  const auto refusal = CheckSizeBox(SizeBound::Upper, "2147483648");
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->box, SizeBound::Upper);
  EXPECT_EQ(refusal->caption, "Select Object");
  EXPECT_EQ(refusal->text,
            "'2147483648' is not a valid file size.\r\n"
            "Please type a whole number of kilobytes, at most 2147483647.");
  EXPECT_TRUE(CheckSizeBox(SizeBound::Lower, "99999999999999999999"));
  // A hand-made script's bound is refused as the player would refuse it.
  EXPECT_TRUE(CheckSizeBox(SizeBound::Lower, "12 "));
  EXPECT_FALSE(CheckSizeBox(SizeBound::Lower, " 12"));
}

TEST(SizeBox, TheLowerBoundIsCheckedFirst) {
  EXPECT_FALSE(CheckCriteriaBoxes(Boxes("x", "y", "z", "10", "20")));
  EXPECT_EQ(CheckCriteriaBoxes(Boxes("", "", "", "3000000000", "x"))->box, SizeBound::Lower);
  EXPECT_EQ(CheckCriteriaBoxes(Boxes("", "", "", "1", "3000000000"))->box, SizeBound::Upper);
}

}  // namespace
}  // namespace vxtest
