// TLog: the HTML run log of one player run. One table row per performed step (number, kind
// name, start time, the step's outcome lines), poured into the page template when the run
// ends. Independently of the page, every outcome line can be mirrored into a list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/StepLog.h"
#include "core/TimeOfDay.h"

namespace vx {

// Receives every outcome line as it is written (the progress window's list).
class LogMirror {
 public:
  virtual ~LogMirror() = default;
  virtual void Show(const std::string& line) = 0;
};

// What the log needs from the settings and the file system, read by the caller.
struct LogSetup {
  bool enabled = false;      // "vpLog": write the page at all
  std::string folder;        // "vpLogPath"; empty means the player's own folder
  bool folderHeld = true;    // false: the ANSI code page cannot hold it ("?" in folder)
  std::string playerFolder;  // the folder of the player's executable
  std::string templateText;  // the content of the page template, when enabled
  std::string scriptPath;    // the player's first command-line parameter
};

inline constexpr std::string_view LogTemplateName = "logbase.htm";
inline constexpr std::string_view LogContentMarker = "<!--content-->";
inline constexpr std::string_view LogNamePlaceholder = "%filename%";

// Every value the log inserts into the page goes through this, so that a line such as
// "a < b & c" shows as written and cannot break the page.
std::string HtmlEscape(std::string_view text);

// The log folder with a trailing path delimiter ("" stays "").
std::string WithTrailingDelimiter(const std::string& folder);

class TLog : public StepLog {
 public:
  // With logging on, a folder the code page cannot hold is refused before anything runs
  // (FileCreateError naming the log file): its look-alike may be another folder.
  TLog(LogSetup setup, const TimeOfDaySource& clock, LogMirror* mirror);
  TLog(const TLog&) = delete;
  TLog& operator=(const TLog&) = delete;

  // Closes the previous row and opens the row of the step about to be performed.
  void BeginStep(std::uint8_t kind);
  // One outcome line of the current step.
  void Add(const std::string& line) override;

  bool Enabled() const { return setup_.enabled; }
  // The log folder followed by the script's file name ("%filename%" in the page).
  std::string LogName() const;
  // Where Save writes: the log name followed by ".htm".
  std::string FilePath() const { return LogName() + ".htm"; }
  // The rows so far, the open one completed with the lines written until now.
  std::string Rows() const;
  // The finished page: the template with its marker replaced by the rows and every
  // "%filename%" of the template replaced by the log name; CR LF after every line.
  std::string Page() const;
  // Writes the page, replacing an earlier log of the same script; nothing when logging is
  // off. Raises FileCreateError when the file cannot be written.
  void Save() const;

 private:
  LogSetup setup_;
  const TimeOfDaySource& clock_;
  LogMirror* mirror_;
  std::string rows_;      // complete rows, then the opening part of the open row
  std::string stepText_;  // the open row's escaped lines joined by "<br>"
  bool rowOpen_ = false;
  std::int32_t stepNumber_ = 1;
};

}  // namespace vx
