#include <gtest/gtest.h>

#include "core/CommandLine.h"
#include "core/TimeOfDay.h"

namespace vx {
namespace {

TEST(TimeOfDay, FollowsTheLocalesClockSeparatorAndDesignator) {
  TimeLocale locale;  // 24-hour, ":", no leading zero
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, locale), "9:05:07");
  EXPECT_EQ(FormatTimeOfDay(23, 59, 0, locale), "23:59:00");
  const TimeLocale dotted{.separator = ".", .twentyFourHour = true, .hourLeadingZero = true};
  EXPECT_EQ(FormatTimeOfDay(9, 5, 7, dotted), "09.05.07");

  TimeLocale twelve;
  twelve.twentyFourHour = false;
  EXPECT_EQ(FormatTimeOfDay(0, 0, 0, twelve), "12:00:00 AM");
  EXPECT_EQ(FormatTimeOfDay(12, 30, 0, twelve), "12:30:00 PM");
  EXPECT_EQ(FormatTimeOfDay(13, 1, 2, twelve), "1:01:02 PM");
  const TimeLocale first{.twentyFourHour = false, .designatorFirst = true, .morning = "vorm."};
  EXPECT_EQ(FormatTimeOfDay(8, 0, 0, first), "vorm. 8:00:00");
}

TEST(CommandLine, SplitsAtBlanksAndDropsQuotes) {
  EXPECT_EQ(SplitCommandLine("vexec.exe"), std::vector<std::string>{"vexec.exe"});
  EXPECT_EQ(
      SplitCommandLine("\"C:\\Program Files\\vexec.exe\"  \"D:\\my scripts\\a.vxz\" x"),
      (std::vector<std::string>{"C:\\Program Files\\vexec.exe", "D:\\my scripts\\a.vxz", "x"}));
  EXPECT_EQ(SplitCommandLine("a b\"c d\"e\t"), (std::vector<std::string>{"a", "bc de"}));
  EXPECT_TRUE(SplitCommandLine("   ").empty());
  // A backslash escapes nothing: a quoted folder ends at its quote. An empty parameter
  // stays, so the one after it is never taken for the script.
  EXPECT_EQ(SplitCommandLine(std::wstring_view(L"vexec \"C:\\dir\\\" x")),
            (std::vector<std::wstring>{L"vexec", L"C:\\dir\\", L"x"}));
  EXPECT_EQ(SplitCommandLine(std::wstring_view(L"vexec \"\" a.vxz")),
            (std::vector<std::wstring>{L"vexec", L"", L"a.vxz"}));
  // The wide line by the same rule: a character past the ANSI code page stays whole, also
  // one whose low byte is a blank.
  EXPECT_EQ(
      SplitCommandLine(
          std::wstring_view(L"x \"C:\\\u0158ecko \u03a9mega\\\u0141odz.vxz\" \u0120y")),
      (std::vector<std::wstring>{L"x", L"C:\\\u0158ecko \u03a9mega\\\u0141odz.vxz", L"\u0120y"}));
}

}  // namespace
}  // namespace vx
