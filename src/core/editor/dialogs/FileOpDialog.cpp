#include "core/editor/dialogs/FileOpDialog.h"

#include "core/StepKinds.h"

namespace vx::editor {

const std::array<FileOpLink, 7> FileOpLinks{{
    {"gotocopy", "  Copy Object", FileOpPage::Copy, ckCopyObject},
    {"gotomove", "  Move Object", FileOpPage::Move, ckMoveObject},
    {"gotorename", "  Rename Object", FileOpPage::Rename, ckRenameObject},
    {"gotodelete", "  Delete Object", FileOpPage::Delete, ckDeleteObject},
    {"gotorun", "  Run Object", FileOpPage::Run, ckRunObject},
    {"gotowrite", "  Write To File", FileOpPage::Write, ckWriteToFile},
    {"gotoread", "  Read From File", FileOpPage::Read, ckReadFromFile},
}};

namespace {

const char* const kVariableMissing =
    "Please choose a variable to write to.\r\n"
    "You must declare a variable first if the variable list is empty.";

void ShowStepFields(const TCommand& step, FileOpValues& values) {
  switch (step.kind) {
    case ckWriteToFile:
      values.writeFile = step.p1;
      values.writeOverwrite = step.p3 == "o";
      break;
    case ckReadFromFile:
      values.readFile = step.p1;
      break;
    case ckCopyObject:
      values.copyCriteria = step.p1;
      values.copyDestination = step.p2;
      break;
    case ckMoveObject:
      values.moveCriteria = step.p1;
      values.moveDestination = step.p2;
      break;
    case ckRenameObject:
      values.renameCriteria = step.p1;
      values.renameNewName = step.p2;
      break;
    case ckRunObject:
      values.runCriteria = step.p1;
      values.runWait = step.p2 == "w";
      values.runParameters = step.p3;
      break;
    case ckDeleteObject:
      values.deleteCriteria = step.p1;
      values.deletePermanently = step.p2 == "p";
      break;
    default:
      break;
  }
}

void ApplyObjectStep(std::uint8_t kind, const FileOpValues& values, TCommand& working) {
  switch (kind) {
    case ckCopyObject:
      working.p1 = values.copyCriteria;
      working.p2 = values.copyDestination;
      break;
    case ckMoveObject:
      working.p1 = values.moveCriteria;
      working.p2 = values.moveDestination;
      break;
    case ckRenameObject:
      working.p1 = values.renameCriteria;
      working.p2 = values.renameNewName;
      break;
    case ckRunObject:
      working.p1 = values.runCriteria;
      working.p2 = std::string(values.runWait ? "w" : "");
      working.p3 = values.runParameters;
      break;
    case ckDeleteObject:
      working.p1 = values.deleteCriteria;
      working.p2 = std::string(values.deletePermanently ? "p" : "r");
      break;
    default:
      break;
  }
}

}  // namespace

FileOpView FileOpViewOf(std::uint8_t kind) {
  FileOpPage page = FileOpPage::Delete;
  for (const FileOpLink& link : FileOpLinks)
    if (link.kind == kind) page = link.page;
  return FileOpView{page, kind, StepKindName(kind), StepKindDescription(kind)};
}

FileOpShown ShowFileOpStep(const TCommand& step, const std::vector<std::string>& declared,
                           FileOpValues previous) {
  FileOpShown shown{FileOpViewOf(step.kind), std::move(previous)};
  FileOpValues& values = shown.values;
  ShowStepFields(step, values);
  values.writeVariable =
      step.kind == ckWriteToFile ? FillVariableBox(declared, step.p2) : FillVariableBox(declared);
  values.readVariable =
      step.kind == ckReadFromFile ? FillVariableBox(declared, step.p2) : FillVariableBox(declared);
  return shown;
}

std::optional<ApplyRefusal> ApplyFileOpStep(std::uint8_t kind, const FileOpValues& values,
                                            TCommand& working) {
  if (kind == ckWriteToFile && values.writeVariable.Text().empty())
    return ApplyRefusal{"Write To Variable", kVariableMissing};
  if (kind == ckReadFromFile && values.readVariable.Text().empty())
    return ApplyRefusal{"Read From Variable", kVariableMissing};
  working.kind = kind;
  if (kind == ckWriteToFile) {
    working.p1 = values.writeFile;
    working.p2 = values.writeVariable.Text();
    working.p3 = std::string(values.writeOverwrite ? "o" : "a");
  } else if (kind == ckReadFromFile) {
    working.p1 = values.readFile;
    working.p2 = values.readVariable.Text();
  } else {
    ApplyObjectStep(kind, values, working);
  }
  return std::nullopt;
}

FileOpValues EmptyFileOpBoxes(FileOpValues values) {
  for (std::string* box :
       {&values.deleteCriteria, &values.runCriteria, &values.runParameters, &values.renameCriteria,
        &values.renameNewName, &values.copyCriteria, &values.copyDestination, &values.moveCriteria,
        &values.moveDestination, &values.writeFile, &values.readFile})
    *box = std::string();
  return values;
}

}  // namespace vx::editor
