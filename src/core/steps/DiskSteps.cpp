#include "core/steps/DiskSteps.h"

#include <algorithm>
#include <memory>

#include "core/Errors.h"
#include "core/ObjectCriteria.h"
#include "core/StepKinds.h"
#include "core/ports/ShellPort.h"

namespace vx {

namespace {

ShellPort& Shell(StepContext& context) {
  return context.ports.shell;
}

// The file layer's messages for the codes a text file reports.
[[noreturn]] void ThrowInOut(std::uint32_t code) {
  switch (code) {
    case 2:
      throw InOutError("File not found");
    case 3:
      throw InOutError("Invalid filename");
    case 4:
      throw InOutError("Too many open files");
    case 5:
      throw InOutError("File access denied");
    case 100:
      throw InOutError("Read beyond end of file");
    case 101:
      throw InOutError("Disk full");
    default:
      throw InOutError("I/O error " + std::to_string(code));
  }
}

void Check(std::uint32_t code) {
  if (code != 0) ThrowInOut(code);
}

// Missing when the search finds nothing or finds a folder first.
bool FileExists(ShellPort& shell, const std::string& path) {
  bool exists = false;
  shell.FindFiles(path, [&](const FindEntry& entry) {
    if (!entry.held) return true;  // not the file: its name is not path
    exists = (entry.attributes & kAttributeDirectory) == 0;
    return false;
  });
  return exists;
}

// pFrom: each path followed by a zero byte, and one more zero byte at the end.
std::string SourceList(const std::vector<std::string>& paths) {
  std::string from;
  for (const std::string& path : paths) {
    from += path;
    from += '\0';
  }
  if (paths.empty()) from += '\0';
  from += '\0';
  return from;
}

std::string Destination(const std::string& path) {
  return path + std::string(2, '\0');
}

// The query's result, and a line for each entry it had to leave out, so that a step that
// misses a file (a backup copying "*.txt") says so.
void LogQuery(StepContext& context, const TCommand& step) {
  std::vector<std::string> leftOut;
  QueryFiles(step.p1, Shell(context), context.state.queryList, leftOut);
  context.log.Add("Query Result:");
  for (const std::string& path : context.state.queryList) context.log.Add(path);
  for (const std::string& path : leftOut)
    context.log.Add("Left out, its name has characters outside the system's ANSI code page: " +
                    path);
}

// One SHFileOperationA request and the word its outcome line starts with.
struct ShellOperation {
  std::uint32_t func = 0;
  std::string to;  // empty: no destination
  std::uint16_t flags = 0;
  const char* action = "";
};

ShellOperation OperationFor(const TCommand& step) {
  switch (step.kind) {
    case ckCopyObject:
      return {kFoCopy, Destination(WithBackslash(step.p2)), 0, "Copy"};
    case ckMoveObject:
      return {kFoMove, Destination(WithBackslash(step.p2)), 0, "Move"};
    case ckRenameObject: {
      // Only the new name's file-name part counts; the entry stays in the location.
      const std::size_t cut = step.p2.find_last_of("\\:");
      const std::string newName = cut == std::string::npos ? step.p2 : step.p2.substr(cut + 1);
      const std::string location = ParseObjectCriteria(step.p1).location;
      return {kFoRename, Destination(WithBackslash(location) + newName), 0, "Rename"};
    }
    default: {
      const std::uint16_t undo = step.p2 == "r" ? kFofAllowUndo : 0;
      return {kFoDelete, "", static_cast<std::uint16_t>(kFofNoConfirmation | undo), "Deletion"};
    }
  }
}

void FileOperationStep(StepContext& context, const TCommand& step) {
  LogQuery(context, step);
  const ShellOperation operation = OperationFor(step);
  const int result = Shell(context).FileOperation(
      operation.func, SourceList(context.state.queryList), operation.to, operation.flags);
  context.log.Add(std::string(operation.action) + (result == 0 ? " Succeeded." : " Failed."));
  context.state.queryList.clear();
}

void RunObject(StepContext& context, const TCommand& step) {
  LogQuery(context, step);
  const bool wait = step.p2 == "w";
  const std::string parameters = step.p3.empty() ? std::string() : '"' + step.p3 + '"';
  for (const std::string& path : context.state.queryList)
    Shell(context).RunFile("open", path, parameters, "", 1, wait);
  context.state.queryList.clear();
}

void WriteToFile(StepContext& context, const TCommand& step) {
  ShellPort& shell = Shell(context);
  const bool exists = FileExists(shell, step.p1);
  if (!exists) context.log.Add("File not found, Creating a new one...");
  std::unique_ptr<ShellTextFile> file;
  if (!exists || step.p3 == "o") Check(shell.CreateText(step.p1, file));
  if (step.p3 == "a") {
    file.reset();  // a file just created is closed before it is reopened for appending
    Check(shell.AppendText(step.p1, file));
  }
  context.log.Add("Writing to file");
  if (!file) ThrowInOut(103);  // an existing file with a mode other than "o" or "a"
  Check(file->Write(context.state.variables.SubstituteVariables('%' + step.p2 + '%')));
  Check(file->Flush());
  context.log.Add("Closing file...");
  Check(file->Close());
}

void ReadFromFile(StepContext& context, const TCommand& step) {
  ShellPort& shell = Shell(context);
  if (!FileExists(shell, step.p1)) {
    context.log.Add("File not found, Action Failed.");
    return;
  }
  context.log.Add("File found, Reading from file...");
  std::string bytes;
  if (const std::uint32_t code = shell.ReadBytes(step.p1, bytes); code != 0)
    throw FileOpenError("Cannot open file \"" + step.p1 + "\". " + shell.ErrorText(code));
  std::vector<std::string>& lines = context.state.queryList;
  lines = SplitTextLines(bytes);
  context.log.Add("Reading file content to " + step.p2);
  std::string value;
  for (const std::string& line : lines) value += line + "\r\n";
  context.state.variables.ChangeVariable(step.p2, value, context.log);
  lines.clear();
}

}  // namespace

std::vector<std::string> SplitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  const std::size_t end = std::min(text.find('\0'), text.size());
  std::size_t at = 0;
  while (at < end) {
    const std::size_t stop = std::min(text.find_first_of("\r\n", at), end);
    lines.push_back(text.substr(at, stop - at));
    at = stop;
    if (at < end && text[at] == '\r') ++at;
    if (at < end && text[at] == '\n') ++at;
  }
  return lines;
}

void ExecuteDiskStep(StepContext& context, const TCommand& step) {
  switch (step.kind) {
    case ckWriteToFile:
      WriteToFile(context, step);
      break;
    case ckReadFromFile:
      ReadFromFile(context, step);
      break;
    case ckRunObject:
      RunObject(context, step);
      break;
    case ckCopyObject:
    case ckMoveObject:
    case ckRenameObject:
    case ckDeleteObject:
      FileOperationStep(context, step);
      break;
    default:
      break;
  }
}

}  // namespace vx
