// The walk of key strings against a recording US keyboard: the exact events, their scan
// codes and flags, and every message box.
#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/keys/KeyNames.h"
#include "core/keys/KeysFakes.h"
#include "core/keys/SendKeys.h"

namespace {

using vxtest::RecordingKeyboard;

std::string Walk(const std::string& text, bool expectResult = true) {
  RecordingKeyboard keyboard;
  EXPECT_EQ(vx::SendKeys(text, false, keyboard, keyboard), expectResult) << text;
  return keyboard.Joined();
}

TEST(SendKeysTest, EmptyTextSendsNothingAndFails) {
  EXPECT_EQ(Walk("", false), "");
  EXPECT_EQ(Walk(std::string("\0abc", 4), false), "");  // the text ends at its first NUL
  EXPECT_EQ(Walk(std::string("a\0b", 3)), "D41 U41");
}

TEST(SendKeysTest, PlainAndShiftedCharacters) {
  EXPECT_EQ(Walk("abc"), "D41 U41 D42 U42 D43 U43");
  EXPECT_EQ(Walk("AB"), "D10 D41 U41 U10 D10 D42 U42 U10");
  EXPECT_EQ(Walk("\x05\x06"), "D11 D45 U45 U11 D12 D46 U46 U12");
}

TEST(SendKeysTest, ScanCodesAreTheLowByteOfTheMapping) {
  RecordingKeyboard keyboard;
  vx::SendKeys("A{LEFT}", false, keyboard, keyboard);
  EXPECT_EQ(keyboard.Joined(), "D10 D41 U41 U10 E25 X25");
  EXPECT_EQ(keyboard.scans, (std::vector<std::uint8_t>{0x11, 0x42, 0x42, 0x11, 0x26, 0x26}));
}

TEST(SendKeysTest, ModifiersActOnTheNextKeyOnly) {
  EXPECT_EQ(Walk("+abc"), "D10 D41 U41 U10 D42 U42 D43 U43");
  EXPECT_EQ(Walk("^c"), "D11 D43 U43 U11");
  EXPECT_EQ(Walk("%f"), "D12 D46 U46 U12");
  // Several "+" press Shift several times and release it once.
  EXPECT_EQ(Walk("++a"), "D10 D10 D41 U41 U10");
  EXPECT_EQ(Walk("^%{DEL}"), "D11 D12 E2E X2E U11 U12");
}

TEST(SendKeysTest, GroupsHoldModifiersUntilTheyClose) {
  EXPECT_EQ(Walk("+(abc)"), "D10 D41 U41 D42 U42 D43 U43 U10");
  EXPECT_EQ(Walk("+(ab)c"), "D10 D41 U41 D42 U42 U10 D43 U43");
  // Groups do not nest: the first ")" closes.
  EXPECT_EQ(Walk("+((a)b)"), "D10 D41 U41 U10 D42 U42");
}

TEST(SendKeysTest, EnterByTildeAndByName) {
  EXPECT_EQ(Walk("~"), "DD UD");
  EXPECT_EQ(Walk("{ENTER}"), "DD UD");
  EXPECT_EQ(Walk("{enter}"), "DD UD");
  EXPECT_EQ(Walk("+~"), "D10 DD UD U10");
}

TEST(SendKeysTest, RepeatCounts) {
  EXPECT_EQ(Walk("{ENTER 3}"), "DD UD DD UD DD UD");
  EXPECT_EQ(Walk("{enter 0}"), "");
  EXPECT_EQ(Walk("{TAB 0}x"), "D58 U58");
  EXPECT_EQ(Walk("{a 2}"), "D10 D41 U41 D41 U41 U10");  // upper-cased, Shift around the repeat
  EXPECT_EQ(Walk("{ENTER $2}"), "DD UD DD UD");
  // The low 16 bits of the count: 65537 is 1.
  EXPECT_EQ(Walk("{ENTER 65537}"), "DD UD");
}

TEST(SendKeysTest, CountThatIsNotAnIntegerPropagatesAndReleasesHeldKeys) {
  RecordingKeyboard keyboard;
  try {
    vx::SendKeys("a+^(b{ENTER x}c", false, keyboard, keyboard);
    FAIL() << "no conversion error";
  } catch (const vx::ConvertError& e) {
    // The name, count included, was upper-cased as it was read.
    EXPECT_STREQ(e.what(), "'X' is not a valid integer value");
  }
  EXPECT_EQ(keyboard.Joined(), "D41 U41 D10 D11 D42 U42 U10 U11");
}

TEST(SendKeysTest, BracesThemselves) {
  EXPECT_EQ(Walk("{{}"), "D10 DDB UDB U10");
  EXPECT_EQ(Walk("{}}"), "D10 DDD UDD U10");
  // The third character of "{{" goes whatever it is.
  EXPECT_EQ(Walk("{{xa"), "D10 DDB UDB U10 D41 U41");
  EXPECT_EQ(Walk("{{"), "D10 DDB UDB U10");
  // A name followed by a second "}": the name, then a typed "}".
  EXPECT_EQ(Walk("{ENTER}}"), "DD UD D10 DDD UDD U10");
}

TEST(SendKeysTest, OneCharacterNamesAreTypedCharacters) {
  EXPECT_EQ(Walk("{+}{^}{%}{~}{(}{)}"),
            "D10 DBB UBB U10 D10 D36 U36 U10 D10 D35 U35 U10 D10 DC0 UC0 U10 "
            "D10 D39 U39 U10 D10 D30 U30 U10");
  EXPECT_EQ(Walk("{a}"), "D10 D41 U41 U10");
  // No key and no box for a one-character name the layout cannot type.
  EXPECT_EQ(Walk("{\x80}b"), "D42 U42");
}

TEST(SendKeysTest, EveryTableNameIsFoundAndExtendedKeysCarryTheFlag) {
  for (const vx::KeyName& row : vx::KeyNameTable) {
    RecordingKeyboard keyboard;
    EXPECT_EQ(vx::FindKeyName(row.name, keyboard), row.code) << row.name;
    EXPECT_TRUE(keyboard.calls.empty());
  }
  EXPECT_EQ(Walk("{BACKSPACE}{BS}{BKSP}"), "D8 U8 D8 U8 D8 U8");
  EXPECT_EQ(Walk("{F1}{F12}{WINKEY}"), "D70 U70 D7B U7B D5B U5B");
  EXPECT_EQ(Walk("{PGUP}{PAGEDOWN}{END}{HOME}{LEFT}{UP}{RIGHT}{DOWN}{INS}{DEL}"),
            "E21 X21 E22 X22 E23 X23 E24 X24 E25 X25 E26 X26 E27 X27 E28 X28 E2D X2D E2E X2E");
  EXPECT_EQ(Walk("{PRINTSCREEN}{BREAK}"), "D2A U2A D3 U3");
}

TEST(SendKeysTest, UnknownNamesShowTheirBoxAndTheWalkGoesOn) {
  EXPECT_EQ(Walk("{PGDN}a{PAGEUP}"),
            "box:Invalid Key Name|SendKeys|0 D41 U41 box:Invalid Key Name|SendKeys|0");
  EXPECT_EQ(Walk("{}b"), "box:Invalid Key Name|SendKeys|0 D42 U42");
  // A character without a key: its own box, held keys stay held until the next key.
  EXPECT_EQ(Walk("+\x80"
                 "a"),
            "D10 box:Invalid KeyName|SendKeys|0 D41 U41 U10");
  EXPECT_EQ(Walk("+{PGDN}a"), "D10 box:Invalid Key Name|SendKeys|0 D41 U41 U10");
}

TEST(SendKeysTest, NamesAreCutAtTwentyCharacters) {
  // 20 characters kept: "ENTER" and fifteen blanks, so the count text is blanks only.
  RecordingKeyboard keyboard;
  EXPECT_THROW(vx::SendKeys("{ENTER" + std::string(15, ' ') + "3}", false, keyboard, keyboard),
               vx::ConvertError);
  // Cut before the count is split off: " 9" beyond the 20th character is dropped.
  EXPECT_EQ(Walk("{ENTER" + std::string(14, ' ') + "3 9}"), "DD UD DD UD DD UD");
  EXPECT_EQ(Walk("{ABCDEFGHIJKLMNOPQRSTUVWXYZ}"), "box:Invalid Key Name|SendKeys|0");
}

TEST(SendKeysTest, NoCloseStopsTheWalkAndReleasesHeldKeys) {
  EXPECT_EQ(Walk("ab{ENTER", false), "D41 U41 D42 U42 box:No Close|SendKeys|0");
  EXPECT_EQ(Walk("+(a{ENTER", false), "D10 D41 U41 U10 box:No Close|SendKeys|0");
  EXPECT_EQ(Walk("^{", false), "D11 U11 box:No Close|SendKeys|0");
}

TEST(SendKeysTest, AnOpenGroupIsReleasedAtTheEnd) {
  EXPECT_EQ(Walk("^+(ab"), "D11 D10 D41 U41 D42 U42 U10 U11");
  EXPECT_EQ(Walk("%"), "D12 U12");
}

TEST(SendKeysTest, NumLockFlipsTheKeyStateOncePerToken) {
  RecordingKeyboard keyboard;
  keyboard.state[144] = 0x80;
  vx::SendKeys("{NUMLOCK}", false, keyboard, keyboard);
  EXPECT_EQ(keyboard.Joined(), "numlock:1");
  EXPECT_EQ(keyboard.state[144], 0x81);
  vx::SendKeys("{numlock 5}", false, keyboard, keyboard);
  EXPECT_EQ(keyboard.Joined(), "numlock:1 numlock:0");
  EXPECT_EQ(keyboard.state[144], 0x80);
}

TEST(SendKeysTest, WaitPumpsAfterEveryEvent) {
  RecordingKeyboard keyboard;
  vx::SendKeys("A", true, keyboard, keyboard);
  EXPECT_EQ(keyboard.Joined(), "D10 pump D41 pump U41 pump U10 pump");
}

}  // namespace
