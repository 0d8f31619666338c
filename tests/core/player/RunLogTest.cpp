#include <gtest/gtest.h>

#include "TempFolder.h"
#include "core/Errors.h"
#include "core/RunLog.h"
#include "core/StepKinds.h"

namespace vx {
namespace {

class FixedClock : public TimeOfDaySource {
 public:
  std::string Now() const override { return now; }
  std::string now = "9:05:07";
};

class RecordingMirror : public LogMirror {
 public:
  void Show(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

std::string Row(int number, const std::string& name, const std::string& time,
                const std::string& cell) {
  return "<tr><td width=\"35%\" class=\"CellStepMain\" scope=\"row\">Step " +
         std::to_string(number) + " : " + name + " " + time +
         " </td><td width=\"65%\" class=\"CellStepLog\">" + cell + "</td></tr>";
}

LogSetup LogWith(bool enabled, std::string folder = "D:\\logs",
                 std::string templ = "<table>\n<!--content-->\n</table>") {
  LogSetup setup;
  setup.enabled = enabled;
  setup.folder = std::move(folder);
  setup.playerFolder = "C:\\Program Files\\Vorlix\\";
  setup.templateText = std::move(templ);
  setup.scriptPath = "C:\\scripts\\backup.vxz";
  return setup;
}

TEST(RunLog, RowsHoldEachStepsLinesJoinedByBreaks) {
  FixedClock clock;
  TLog log(LogWith(true), clock, nullptr);
  log.BeginStep(ckWait);
  log.Add("A");
  log.Add("B");
  clock.now = "9:05:09";
  log.BeginStep(ckSetVariable);
  log.Add("C");
  EXPECT_EQ(log.Rows(),
            Row(1, "Wait", "9:05:07", "A<br>B") + Row(2, "Set Variable", "9:05:09", "C"));
  // A step that writes nothing leaves its cell empty, also as the last row.
  log.BeginStep(ckRecord);
  EXPECT_EQ(log.Rows(), Row(1, "Wait", "9:05:07", "A<br>B") +
                            Row(2, "Set Variable", "9:05:09", "C") +
                            Row(3, "Record", "9:05:09", ""));
}

TEST(RunLog, PageIsTheTemplateWithRowsAndLogNameInCrLfLines) {
  FixedClock clock;
  TLog empty(LogWith(true, "D:\\logs", "<title>%filename%</title>\r<!--content-->\n"), clock,
             nullptr);
  EXPECT_EQ(empty.Page(), "<title>D:\\logs\\backup.vxz</title>\r\n\r\n");

  TLog log(LogWith(true), clock, nullptr);
  log.BeginStep(ckWait);
  log.Add("A");
  EXPECT_EQ(log.Page(), "<table>\r\n" + Row(1, "Wait", "9:05:07", "A") + "\r\n</table>\r\n");

  // A line may hold line breaks of any kind (a clipboard text, a file read into a variable):
  // in the page each is a CR LF, as the template's own are.
  TLog broken(LogWith(true), clock, nullptr);
  broken.BeginStep(ckSetClipboard);
  broken.Add("Clipboard data changed to: one\ntwo\rthree\r\n");
  broken.Add("next\n\rline");
  EXPECT_EQ(broken.Page(), "<table>\r\n" +
                               Row(1, "Set Clipboard", "9:05:07",
                                   "Clipboard data changed to: one\r\ntwo\r\nthree\r\n<br>"
                                   "next\r\n\r\nline") +
                               "\r\n</table>\r\n");
}

TEST(RunLog, InsertedValuesAreEscapedAndPlaceholderWordsStayAsWritten) {
  FixedClock clock;
  clock.now = "9<05";
  LogSetup setup = LogWith(true, "D:\\a&b", "%filename%|<!--content-->|%filename%");
  setup.scriptPath = "x<y>.vxz";
  TLog log(std::move(setup), clock, nullptr);
  log.BeginStep(ckWait);
  log.Add("a < b & \"c\" <br>");
  log.Add("%stepnumber% %stepname% %steptime% %steplog% %filename% <!--content-->");
  log.BeginStep(ckWait);
  const std::string name = "D:\\a&amp;b\\x&lt;y&gt;.vxz";
  EXPECT_EQ(log.Page(),
            name + "|" +
                Row(1, "Wait", "9&lt;05",
                    "a &lt; b &amp; &quot;c&quot; &lt;br&gt;<br>%stepnumber% %stepname% "
                    "%steptime% %steplog% %filename% &lt;!--content--&gt;") +
                Row(2, "Wait", "9&lt;05", "") + "|" + name + "\r\n");
}

TEST(RunLog, FileIsNamedAfterTheScriptInsideTheLogFolder) {
  FixedClock clock;
  EXPECT_EQ(TLog(LogWith(true, "D:\\logs"), clock, nullptr).FilePath(), "D:\\logs\\backup.vxz.htm");
  EXPECT_EQ(TLog(LogWith(true, "D:\\logs\\"), clock, nullptr).FilePath(),
            "D:\\logs\\backup.vxz.htm");
  EXPECT_EQ(TLog(LogWith(true, ""), clock, nullptr).LogName(),
            "C:\\Program Files\\Vorlix\\backup.vxz");
  EXPECT_EQ(WithTrailingDelimiter(""), "");
  EXPECT_EQ(WithTrailingDelimiter("/tmp/x/"), "/tmp/x/");
}

// A log folder the ANSI code page cannot hold (read with "?" for what it lacks) is refused
// while logging is on, before the run, naming the log file; with logging off it is unused.
TEST(RunLog, AFolderTheCodePageCannotHoldIsRefusedOnlyWhileLogging) {
  FixedClock clock;
  LogSetup setup = LogWith(true, "D:\\?ogs");
  setup.folderHeld = false;
  try {
    TLog log(setup, clock, nullptr);
    ADD_FAILURE() << "no refusal";
  } catch (const FileCreateError& e) {
    EXPECT_STREQ(e.what(),
                 "Cannot create file \"D:\\?ogs\\backup.vxz.htm\". Its name has characters "
                 "outside the system's ANSI code page (shown as \"?\"), which this program "
                 "cannot use.");
  }
  setup.enabled = false;
  EXPECT_NO_THROW(TLog(setup, clock, nullptr).Save());
}

TEST(RunLog, MirrorShowsEveryLineWhetherOrNotTheLogIsOn) {
  FixedClock clock;
  RecordingMirror mirror;
  TLog off(LogWith(false), clock, &mirror);
  off.BeginStep(ckWait);
  off.Add("a < b");
  EXPECT_EQ(mirror.lines, std::vector<std::string>{"a < b"});
  EXPECT_EQ(off.Rows(), "");

  vxtest::TempFolder folder;
  LogSetup setup = LogWith(false, folder.Path().string() + "/");
  TLog quiet(setup, clock, nullptr);
  quiet.Save();
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(RunLog, SaveReplacesTheFileAndReportsAFolderItCannotWrite) {
  vxtest::TempFolder folder;
  FixedClock clock;
  TLog log(LogWith(true, folder.Path().string() + "/"), clock, nullptr);
  log.BeginStep(ckWait);
  log.Add("done");
  vxtest::WriteAll(folder.File("backup.vxz.htm"), "an older run, longer than this one will be");
  log.Save();
  EXPECT_EQ(vxtest::ReadAll(folder.File("backup.vxz.htm")), log.Page());

  TLog lost(LogWith(true, folder.File("missing") + "/"), clock, nullptr);
  EXPECT_THROW(lost.Save(), FileCreateError);
}

TEST(RunLog, DisabledLogWritesNoRowsAndEscapeLeavesPlainTextAlone) {
  FixedClock clock;
  TLog off(LogWith(false), clock, nullptr);
  off.BeginStep(ckWait);
  off.Add("x");
  EXPECT_EQ(off.Rows(), "");
  EXPECT_EQ(HtmlEscape("plain text 100%"), "plain text 100%");
  EXPECT_EQ(HtmlEscape("<&>\""), "&lt;&amp;&gt;&quot;");
}

}  // namespace
}  // namespace vx
