// The disk operations dialog (Tfrmfileop): which control stands for which field of the
// seven disk steps, both ways.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Command.h"
#include "core/editor/dialogs/VariableBox.h"

namespace vx::editor {

// Page indexes of pgfo.
enum class FileOpPage : int {
  Delete = 0,
  Run = 1,
  Rename = 2,
  Copy = 3,
  Move = 4,
  Write = 5,
  Read = 6
};

// A page link on the band; FileOpLinks lists them top to bottom.
struct FileOpLink {
  const char* name;     // gotocopy ...
  const char* caption;  // "  Copy Object" ...
  FileOpPage page;
  std::uint8_t kind;
};
extern const std::array<FileOpLink, 7> FileOpLinks;

// What the controls hold. The defaults are the form as created: nothing typed, empty
// criteria lists, "Delete to Recycle Bin" and "Overwrite" checked, no waiting.
struct FileOpValues {
  std::string deleteCriteria;      // fdDelete's Criteria
  bool deletePermanently = false;  // rbdloptionpermanent; else rbdloptionrecycle
  std::string runCriteria;         // fdrun
  bool runWait = false;            // chkrunwait
  std::string runParameters;       // txtrunparameters
  std::string renameCriteria;      // fdrename
  std::string renameNewName;       // txtrnew
  std::string copyCriteria;        // fdcopy
  std::string copyDestination;     // txtcdestpath
  std::string moveCriteria;        // fdmove
  std::string moveDestination;     // txtmnew
  VariableBox writeVariable;       // cmbwritevar
  std::string writeFile;           // txtwritename
  bool writeOverwrite = true;      // rbwriteo; else rbwritea
  std::string readFile;            // txtreadname
  VariableBox readVariable;        // cmbreadvar

  friend bool operator==(const FileOpValues&, const FileOpValues&) = default;
};

// The page shown, the current step kind and the heading (lblinfocaption, repeated as brfo's
// caption, and lblinfo).
struct FileOpView {
  FileOpPage page;
  std::uint8_t kind;
  std::string title;
  std::string description;
};

// A page link's click, or the end of FormShow: the page of kind's link, kind, and kind's
// name and description. A kind of no link (never opened here) shows the first page.
FileOpView FileOpViewOf(std::uint8_t kind);

struct FileOpShown {
  FileOpView view;
  FileOpValues values;
};

// FormShow for the working step (a copy of the edited step, or a cleared one of the
// tree's kind). The step's own page takes its fields; both variable boxes are refilled
// with declared (ListDeclaredVariables) so that a page switched to never offers names of
// an earlier script; every other control keeps what previous held. Radio choices from the
// step: p3 "o" overwrites (else append, so a new step appends), p2 "w" waits (a capital W
// does not), p2 "p" deletes permanently (else to the recycle bin).
FileOpShown ShowFileOpStep(const TCommand& step, const std::vector<std::string>& declared,
                           FileOpValues previous);

// Apply refused: a message box (warning icon, OK button, owned by the dialog).
struct ApplyRefusal {
  std::string caption;
  std::string text;
};

// Apply: Write To File and Read From File are refused while their variable box shows
// nothing, and the working step is then left as it was. Otherwise the working step takes
// kind and the fields kind uses; the fields it does not use (p3 of Read, Copy, Move,
// Rename and Delete), p4 and the enabled byte keep what the working step held.
std::optional<ApplyRefusal> ApplyFileOpStep(std::uint8_t kind, const FileOpValues& values,
                                            TCommand& working);

// Closing the dialog empties the boxes and criteria lists of every page, so the next step
// never starts from an unrelated step's criteria; radio and check choices stay.
FileOpValues EmptyFileOpBoxes(FileOpValues values);

}  // namespace vx::editor
