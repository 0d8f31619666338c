// The editor's one open document (its steps, path and name) and the commands that replace,
// save and close it: New, Open, a recent file, the start-up documents, Save, Save As and
// the question asked when the main window closes.
//
// The window side implements DocumentUi (question boxes, file dialogs, caption, list view)
// and calls these operations from its command handlers. A failed read or write raises
// vx::Error out of the operation, to be shown by the message loop's error report; the
// document is then exactly as it was before the operation.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Command.h"
#include "core/Errors.h"
#include "core/editor/document/DocumentFiles.h"
#include "core/editor/document/RecentFiles.h"
#include "core/editor/list/StepList.h"

namespace vx::editor {

enum class Answer { Yes, No, Cancel };

class DocumentUi {
 public:
  virtual ~DocumentUi() = default;
  // A confirmation box with Yes, No and Cancel; closing the box answers Cancel.
  virtual Answer AskYesNoCancel(const std::string& question) = 0;
  // The open dialog ("Vorlix Script (*.vxz)|*.vxz|All Files (*.*)|*.*", keeping the last
  // chosen name); nullopt when cancelled. A chosen name that cannot be held as text of the
  // program raises FileOpenError, and the operation ends with the document as it was.
  virtual std::optional<std::string> ChooseFileToOpen() = 0;
  // The save dialog ("Vorlix File|*.vxz") with its file name set to proposedName first. When
  // the file Save As would write for the name given (SaveAsPath) exists, the system asks
  // before the dialog closes, and No goes back to it. nullopt when cancelled; a name that
  // cannot be held raises FileCreateError.
  virtual std::optional<std::string> ChooseFileToSave(const std::string& proposedName) = 0;
  // A new document's steps replaced the old ones: rebuild the list view from List().
  virtual void StepsReplaced() = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // The program's title on the taskbar.
  virtual void SetApplicationTitle(const std::string& title) = 0;
  // An error the operation went on after (the recent-files store refused a read or write).
  virtual void ReportError(const Error& error) = 0;
};

class DocumentSession {
 public:
  // Holds references to all three; they must outlive the session. Call StartEmpty() before
  // anything else: until then the document has no name.
  DocumentSession(DocumentUi& ui, DocumentFiles& files, RecentFiles& recent);

  // The steps of the document with their selection: the one model the list box mirrors and
  // the list commands edit in place.
  StepList& List() { return list_; }
  const StepList& List() const { return list_; }
  // The script file the document came from or was saved to; empty when untitled.
  const std::string& Path() const { return path_; }
  // The name in the caption and the save questions.
  const std::string& Name() const { return name_; }

  // The routine behind every command that replaces the document. With askToSave it first
  // asks "Save changes to this document: <name> ?": Cancel stops; Yes saves and goes on only
  // when the save was carried out. With showOpenDialog the chosen file replaces fileName,
  // and a cancelled dialog stops. An existing file is read completely into a new list
  // before anything changes and then added to the recent files; a name that names no file
  // gives an empty document carrying that path. Returns true when the document was replaced.
  bool NewFile(const std::string& fileName, bool askToSave, bool showOpenDialog);

  bool New() { return NewFile("", true, false); }
  bool Open() { return NewFile("", true, true); }
  // A recent-files entry's file (RecentFiles::FileToOpen has checked that it exists).
  bool OpenRecent(const std::string& fileName) { return NewFile(fileName, true, false); }
  // The empty "Untitled" document the window starts with.
  void StartEmpty() { NewFile("", false, false); }
  // The command line's file, opened without a question; give it an absolute path, so that
  // a later Save writes where it was read.
  void StartWith(const std::string& fileName) { NewFile(fileName, false, false); }

  // Writes the document to its path, or runs Save As when it has none. Returns false when
  // the Save As dialog was cancelled.
  bool Save();
  // Asks for a name, strips ".vxz" from its file-name part, writes name + ".vxz" and renames
  // the document (caption and application title). Returns false when cancelled.
  bool SaveAs();

  // The close question "Save the changes to this document: <name> ?". Returns true when the
  // window may close: No, or Yes with the save carried out. A failed save raises, and the
  // window must then stay open.
  bool CloseQuery();

 private:
  std::vector<TCommand> ReadScript(const std::string& fileName);
  void UpdateRecentFiles(const std::string* added);

  DocumentUi& ui_;
  DocumentFiles& files_;
  RecentFiles& recent_;
  StepList list_;
  std::string path_;
  std::string name_;
};

}  // namespace vx::editor
