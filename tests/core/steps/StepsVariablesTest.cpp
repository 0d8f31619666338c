#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "StepsFakes.h"
#include "core/StepKinds.h"

#ifdef _WIN32
#include "win32/system/SystemText.h"
#endif

namespace {

using ::testing::ElementsAre;
using vxtest::StepsRig;

TEST(StepsVariables, SetVariableCreatesThenOverwritesInPlaceAndLogsTheValueAsWritten) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "first", "1");
  rig.Run(vx::ckSetVariable, "name", "World");
  rig.Run(vx::ckSetVariable, "greeting", "Hello %name%");
  rig.Run(vx::ckSetVariable, "first", "one");
  EXPECT_THAT(rig.log.lines,
              ElementsAre("Creating a new variable first with a value 1",
                          "Creating a new variable name with a value World",
                          "Creating a new variable greeting with a value Hello %name%",
                          "Overwritting first value to one"));
  EXPECT_THAT(rig.state.variables.Lines(),
              ElementsAre("%first%=one", "%name%=World", "%greeting%=Hello World"));
  EXPECT_TRUE(rig.journal.size() == rig.log.lines.size());  // no port is touched
}

TEST(StepsVariables, LookupIgnoresCaseButSubstitutionDoesNot) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "A", "big");
  rig.Run(vx::ckSetVariable, "a", "small");
  const vx::Variables& variables = rig.state.variables;
  EXPECT_THAT(variables.Lines(), ElementsAre("%a%=small"));
  EXPECT_EQ(rig.log.lines.back(), "Overwritting a value to small");
  EXPECT_EQ(variables.SubstituteVariables("%a% %A%"), "small %A%");
  EXPECT_EQ(variables.IndexOf("A"), 0);
  EXPECT_EQ(variables.IndexOf("b"), -1);

  // Accented capitals of the ANSI code page find their small letters.
  rig.Run(vx::ckSetVariable, "\xC9t\xC9", "summer");
  EXPECT_EQ(variables.IndexOf("\xE9t\xE9"), 1);
  EXPECT_EQ(variables.IndexOf("\xE9t\xC9x"), -1);
}

TEST(StepsVariables, ChangeVariableKeepsTheStoredSpellingAndAnEmptyValueRemovesIt) {
  StepsRig rig;
  vx::Variables& variables = rig.state.variables;
  rig.Run(vx::ckSetVariable, "Name", "x");
  rig.Run(vx::ckSetVariable, "other", "y");
  variables.ChangeVariable("NAME", "%other% as given", rig.log);
  EXPECT_THAT(variables.Lines(), ElementsAre("%Name%=%other% as given", "%other%=y"));
  EXPECT_EQ(rig.log.lines.back(), "\"NAME\" changed successfully to %other% as given");

  variables.ChangeVariable("name", "", rig.log);
  EXPECT_THAT(variables.Lines(), ElementsAre("%other%=y"));
  EXPECT_EQ(rig.log.lines.back(), "\"name\" changed successfully to ");
  EXPECT_EQ(variables.SubstituteVariables("[%Name%]"), "[%Name%]");

  variables.ChangeVariable("Name", "again", rig.log);
  EXPECT_EQ(rig.log.lines.back(), "\"Name\" is not declared. Variable must be declared first.");
  EXPECT_THAT(variables.Lines(), ElementsAre("%other%=y"));

  // Declared again, it goes to the end of the list.
  rig.Run(vx::ckSetVariable, "Name", "back");
  EXPECT_THAT(variables.Lines(), ElementsAre("%other%=y", "%Name%=back"));
}

TEST(StepsVariables, AnEmptyValueStillDeclares) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "gone", "%undeclared%");
  rig.Run(vx::ckSetVariable, "empty", "");
  EXPECT_EQ(rig.state.variables.SubstituteVariables("<%empty%><%gone%>"), "<><%undeclared%>");
  EXPECT_THAT(rig.state.variables.Lines(), ElementsAre("%gone%=%undeclared%", "%empty%="));
}

TEST(StepsVariables, SubstitutionFollowsListOrder) {
  StepsRig later;
  later.Run(vx::ckSetVariable, "x", "<%y%>");
  later.Run(vx::ckSetVariable, "y", "why");
  EXPECT_EQ(later.state.variables.SubstituteVariables("%x%"), "<why>");

  StepsRig earlier;
  earlier.Run(vx::ckSetVariable, "y", "why");
  earlier.Run(vx::ckSetVariable, "x", "a");
  earlier.state.variables.ChangeVariable("x", "<%y%>", earlier.log);
  EXPECT_EQ(earlier.state.variables.SubstituteVariables("%x%"), "<%y%>");
}

TEST(StepsVariables, AValueIsNeverScannedAgainForItsOwnName) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "x", "a");
  rig.state.variables.ChangeVariable("x", "%x%%x%", rig.log);
  EXPECT_EQ(rig.state.variables.SubstituteVariables("%x%-%x%"), "%x%%x%-%x%%x%");
  // Overlapping candidates: the left one wins, the scan goes on after it.
  EXPECT_EQ(rig.state.variables.SubstituteVariables("%x%x%"), "%x%%x%x%");
}

TEST(StepsVariables, SelfReferenceAppendsToTheOldValue) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "x", "%x%!");
  EXPECT_THAT(rig.state.variables.Lines(), ElementsAre("%x%=%x%!"));
  rig.Run(vx::ckSetVariable, "x", "%x%!");
  rig.Run(vx::ckSetVariable, "x", "%x%!");
  EXPECT_THAT(rig.state.variables.Lines(), ElementsAre("%x%=%x%!!!"));
  EXPECT_EQ(rig.log.lines.back(), "Overwritting x value to %x%!");
}

TEST(StepsVariables, ANameWithAnEqualsSignIsNeverFoundAgain) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "a=b", "v");
  rig.Run(vx::ckSetVariable, "a=b", "w");
  EXPECT_THAT(rig.state.variables.Lines(), ElementsAre("%a=b%=v", "%a=b%=w"));
  EXPECT_EQ(rig.log.lines.back(), "Creating a new variable a=b with a value w");
  EXPECT_EQ(rig.state.variables.IndexOf("a=b"), -1);
  // The name part is "%a", the value part "b%=v"; the second line has nothing left to replace.
  EXPECT_EQ(rig.state.variables.SubstituteVariables("%a|"), "b%=v|");
}

TEST(StepsVariables, AnEmptyNameReplacesEveryPairOfPercentSigns) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "", "E");
  EXPECT_THAT(rig.state.variables.Lines(), ElementsAre("%%=E"));
  EXPECT_EQ(rig.state.variables.SubstituteVariables("100%% %%%"), "100E E%");
}

TEST(StepsVariables, TextsWithoutReferencesComeBackUnchanged) {
  StepsRig rig;
  EXPECT_EQ(rig.state.variables.SubstituteVariables("50% off %x%"), "50% off %x%");
  rig.Run(vx::ckSetVariable, "x", "line1\r\nline2=2");
  EXPECT_EQ(rig.state.variables.SubstituteVariables("no references"), "no references");
  EXPECT_EQ(rig.state.variables.SubstituteVariables("%x%"), "line1\r\nline2=2");
  EXPECT_EQ(rig.state.variables.SubstituteVariables(""), "");
}

}  // namespace

#ifdef _WIN32
// On Windows the system compares the names, in the user's code page: in the Cyrillic one
// capital and small Dzhe are one letter, and small Dzhe and small Ya are two (a folding
// fixed to code page 1252 gets both wrong).
TEST(StepsVariablesOnWindows, TheSystemComparesNamesInTheCodePageTheyAreWrittenIn) {
  EXPECT_TRUE(vx::win32::SameTextIgnoringCase("\x8Fname", "\x9FNAME", 1251));
  EXPECT_FALSE(vx::win32::SameTextIgnoringCase("\x9F", "\xFF", 1251));
  EXPECT_TRUE(
      vx::win32::SameTextIgnoringCase("Stra\xDF"
                                      "e",
                                      "STRA\xDF"
                                      "E",
                                      1252));
}
#endif
