#include "core/editor/document/DocumentSession.h"

#include <utility>

#include "core/ScriptFile.h"
#include "core/editor/document/DocumentNames.h"

namespace vx::editor {

DocumentSession::DocumentSession(DocumentUi& ui, DocumentFiles& files, RecentFiles& recent)
    : ui_(ui), files_(files), recent_(recent) {}

bool DocumentSession::NewFile(const std::string& fileName, bool askToSave, bool showOpenDialog) {
  if (askToSave) {
    const Answer answer = ui_.AskYesNoCancel(SaveChangesQuestion(name_));
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes && !Save()) return false;
  }
  std::string file = fileName;
  if (showOpenDialog) {
    std::optional<std::string> chosen = ui_.ChooseFileToOpen();
    if (!chosen) return false;
    file = std::move(*chosen);
  }
  const bool exists = !file.empty() && files_.FileExists(file);
  std::vector<TCommand> steps = exists ? ReadScript(file) : std::vector<TCommand>{};

  list_.Assign(std::move(steps));
  path_ = file;
  name_ = DocumentNameFor(file);
  ui_.StepsReplaced();
  ui_.SetCaption(MainCaption(name_));
  UpdateRecentFiles(exists ? &file : nullptr);
  return true;
}

// Read whole before the document changes, so a damaged file costs nothing. The file layer's
// reasons ("Read beyond end of file") do not name the file, so the message adds it.
std::vector<TCommand> DocumentSession::ReadScript(const std::string& fileName) {
  std::vector<TCommand> steps;
  try {
    ReadScriptSteps(files_.ReadAll(fileName), steps);
  } catch (const Error& error) {
    throw FileOpenError("Cannot open file \"" + fileName + "\". " + error.what());
  }
  return steps;
}

// The menu of recent files is a convenience: a registry that refuses it is reported, and
// the document that was just opened stays open.
void DocumentSession::UpdateRecentFiles(const std::string* added) {
  try {
    if (added) recent_.Add(*added);
    recent_.Rebuild();
  } catch (const Error& error) {
    ui_.ReportError(error);
  }
}

bool DocumentSession::Save() {
  if (path_.empty()) return SaveAs();
  files_.WriteAll(path_, EncodeScript(list_.Steps(), 0, -1));
  return true;
}

bool DocumentSession::SaveAs() {
  const std::optional<std::string> chosen = ui_.ChooseFileToSave(kUntitled);
  if (!chosen) return false;
  const std::string path = SaveAsPath(*chosen);
  files_.WriteAll(path, EncodeScript(list_.Steps(), 0, -1));
  path_ = path;
  name_ = FileNamePart(SaveAsBase(*chosen));
  const std::string caption = MainCaption(name_);
  ui_.SetCaption(caption);
  ui_.SetApplicationTitle(caption);
  return true;
}

bool DocumentSession::CloseQuery() {
  const Answer answer = ui_.AskYesNoCancel(SaveOnCloseQuestion(name_));
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) return Save();
  return true;
}

}  // namespace vx::editor
