// The disk operations dialog (Tfrmfileop): Write To File, Read From File and the five
// object steps; its pages, links and mapping table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/editor/dialogs/DialogMapping.h"

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

// The controls that hold step fields, as the mapping numbers them.
enum FileOpControl : int {
  foDeleteCriteria,   // fdDelete
  foDeleteChoice,     // rbdloptionpermanent, rbdloptionrecycle (DeleteChoice)
  foRunCriteria,      // fdrun
  foRunWait,          // chkrunwait
  foRunParameters,    // txtrunparameters
  foRenameCriteria,   // fdrename
  foRenameNewName,    // txtrnew
  foCopyCriteria,     // fdcopy
  foCopyDestination,  // txtcdestpath
  foMoveCriteria,     // fdmove
  foMoveDestination,  // txtmnew
  foWriteVariable,    // cmbwritevar
  foWriteFile,        // txtwritename
  foWriteChoice,      // rbwriteo, rbwritea (WriteChoice)
  foReadFile,         // txtreadname
  foReadVariable,     // cmbreadvar
  FileOpControlCount
};
enum DeleteChoice : int { deletePermanently, deleteToRecycleBin };
enum WriteChoice : int { writeOverwrite, writeAppend };

// Which control stands for which field of which kind. The form as created has nothing
// typed, empty criteria lists, "Delete to Recycle Bin" and "Overwrite" checked and no
// waiting. Radio choices come from the step: p3 "o" overwrites (anything else appends, so
// a new step appends), p2 "w" waits (a capital W does not), p2 "p" deletes permanently
// (anything else to the recycle bin). Both variable boxes are refilled with the declared
// variables at every show, whatever the kind, so that a page switched to never offers
// names of an earlier script. Closing empties the boxes and criteria lists of every page,
// so the next step never starts from an unrelated step's criteria; the radio and check
// choices stay.
extern const std::array<ControlBinding, FileOpControlCount> FileOpMapping;

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

// Write To File and Read From File are refused while their variable box shows nothing: the
// player would have no variable to write or read.
std::optional<ApplyRefusal> RefuseFileOpApply(std::uint8_t kind, const DialogValues& values);

}  // namespace vx::editor
