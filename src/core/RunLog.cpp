#include "core/RunLog.h"

#include <utility>

#include "core/FileIO.h"
#include "core/StepKinds.h"
#include "core/UnheldNames.h"

namespace vx {

namespace {

constexpr std::string_view RowStart =
    "<tr><td width=\"35%\" class=\"CellStepMain\" scope=\"row\">Step ";
constexpr std::string_view RowMiddle = " </td><td width=\"65%\" class=\"CellStepLog\">";
constexpr std::string_view RowEnd = "</td></tr>";

// The first CR or LF from i (a plain loop: find_first_of with a set is slow over megabytes).
std::size_t FindLineEnd(std::string_view text, std::size_t i) {
  for (; i < text.size(); ++i)
    if (text[i] == '\r' || text[i] == '\n') return i;
  return std::string_view::npos;
}

// The page keeps the template's lines, each ended by CR LF, whatever the template used:
// a CR, an LF or a CR LF ends a line.
std::string WithCrLfLines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t end = FindLineEnd(text, i);
    if (end == std::string_view::npos) {
      out.append(text.substr(i));
      out.append("\r\n");
      break;
    }
    out.append(text.substr(i, end - i));
    out.append("\r\n");
    i = end + 1;
    if (text[end] == '\r' && i < text.size() && text[i] == '\n') ++i;
  }
  return out;
}

void AppendReplacing(std::string& out, std::string_view text, std::string_view word,
                     std::string_view value) {
  std::size_t i = 0;
  for (std::size_t at; (at = text.find(word, i)) != std::string_view::npos; i = at + word.size()) {
    out.append(text.substr(i, at - i));
    out.append(value);
  }
  out.append(text.substr(i));
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string WithTrailingDelimiter(const std::string& folder) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder;
  return folder + '\\';
}

TLog::TLog(LogSetup setup, const TimeOfDaySource& clock, LogMirror* mirror)
    : setup_(std::move(setup)), clock_(clock), mirror_(mirror) {
  if (setup_.folder.empty()) setup_.folder = setup_.playerFolder;
  setup_.folder = WithTrailingDelimiter(setup_.folder);
  if (setup_.enabled && !setup_.folderHeld) RefusePath(FilePath(), PathUse::Create);
}

void TLog::BeginStep(std::uint8_t kind) {
  if (!setup_.enabled) return;
  if (rowOpen_) {
    rows_ += stepText_;
    rows_ += RowEnd;
  }
  rows_ += RowStart;
  rows_ += std::to_string(stepNumber_);
  rows_ += " : ";
  rows_ += HtmlEscape(StepKindName(kind));
  rows_ += ' ';
  rows_ += HtmlEscape(clock_.Now());
  rows_ += RowMiddle;
  rowOpen_ = true;
  ++stepNumber_;
  stepText_.clear();
}

void TLog::Add(const std::string& line) {
  if (setup_.enabled) {
    if (!stepText_.empty()) stepText_ += "<br>";
    stepText_ += HtmlEscape(line);
  }
  if (mirror_) mirror_->Show(line);
}

std::string TLog::LogName() const {
  return setup_.folder + FileNameOf(setup_.scriptPath);
}

std::string TLog::Rows() const {
  if (!rowOpen_) return rows_;
  std::string rows;
  rows.reserve(rows_.size() + stepText_.size() + RowEnd.size());
  rows.append(rows_).append(stepText_).append(RowEnd);
  return rows;
}

std::string TLog::Page() const {
  // The log name goes only into the template's own text: a step's line that happens to
  // hold "%filename%" stays as written.
  const std::string page = WithCrLfLines(setup_.templateText);
  const std::string rows = Rows();
  const std::string logName = HtmlEscape(LogName());
  std::string out;
  out.reserve(page.size() + rows.size());
  std::size_t i = 0;
  for (std::size_t at; (at = page.find(LogContentMarker, i)) != std::string::npos;
       i = at + LogContentMarker.size()) {
    AppendReplacing(out, std::string_view(page).substr(i, at - i), LogNamePlaceholder, logName);
    out.append(rows);
  }
  AppendReplacing(out, std::string_view(page).substr(i), LogNamePlaceholder, logName);
  return FindLineEnd(rows, 0) == std::string_view::npos ? out : WithCrLfLines(out);
}

void TLog::Save() const {
  if (!setup_.enabled) return;
  WriteFileReplacing(FilePath(), Page());
}

}  // namespace vx
