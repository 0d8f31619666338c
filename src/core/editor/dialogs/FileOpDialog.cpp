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

constexpr KindSet DiskKinds{ckWriteToFile,  ckReadFromFile, ckCopyObject,  ckMoveObject,
                            ckRenameObject, ckRunObject,    ckDeleteObject};

constexpr std::string_view DeleteTexts[] = {"p", "r"};  // in DeleteChoice order
constexpr std::string_view WriteTexts[] = {"o", "a"};   // in WriteChoice order
constexpr std::string_view WaitTexts[] = {"w", ""};

// A criteria list or an edit box: the field as it stands, emptied at close.
constexpr ControlBinding Box(int control, FileOpPage page, Slot slot, std::uint8_t kind) {
  return {.control = control,
          .page = static_cast<int>(page),
          .field = {slot},
          .kinds = {kind},
          .emptiedAtClose = true};
}

// A choice that lasts from one showing to the next.
constexpr ControlBinding Choice(int control, FileOpPage page, Slot slot, std::uint8_t kind,
                                Codec codec, int indexAtStart = -1) {
  return {.control = control,
          .page = static_cast<int>(page),
          .field = {slot},
          .kinds = {kind},
          .codec = codec,
          .indexAtStart = indexAtStart};
}

constexpr ControlBinding VariableBoxOf(int control, FileOpPage page, std::uint8_t kind) {
  return {.control = control,
          .page = static_cast<int>(page),
          .field = {Slot::P2},
          .kinds = {kind},
          .shownFor = DiskKinds,
          .codec = VariableCodec};
}

}  // namespace

const std::array<ControlBinding, FileOpControlCount> FileOpMapping{{
    Box(foDeleteCriteria, FileOpPage::Delete, Slot::P1, ckDeleteObject),
    Choice(foDeleteChoice, FileOpPage::Delete, Slot::P2, ckDeleteObject,
           ChoiceCodec(DeleteTexts, deleteToRecycleBin), deleteToRecycleBin),
    Box(foRunCriteria, FileOpPage::Run, Slot::P1, ckRunObject),
    Choice(foRunWait, FileOpPage::Run, Slot::P2, ckRunObject, FlagCodec(WaitTexts)),
    Box(foRunParameters, FileOpPage::Run, Slot::P3, ckRunObject),
    Box(foRenameCriteria, FileOpPage::Rename, Slot::P1, ckRenameObject),
    Box(foRenameNewName, FileOpPage::Rename, Slot::P2, ckRenameObject),
    Box(foCopyCriteria, FileOpPage::Copy, Slot::P1, ckCopyObject),
    Box(foCopyDestination, FileOpPage::Copy, Slot::P2, ckCopyObject),
    Box(foMoveCriteria, FileOpPage::Move, Slot::P1, ckMoveObject),
    Box(foMoveDestination, FileOpPage::Move, Slot::P2, ckMoveObject),
    VariableBoxOf(foWriteVariable, FileOpPage::Write, ckWriteToFile),
    Box(foWriteFile, FileOpPage::Write, Slot::P1, ckWriteToFile),
    Choice(foWriteChoice, FileOpPage::Write, Slot::P3, ckWriteToFile,
           ChoiceCodec(WriteTexts, writeAppend), writeOverwrite),
    Box(foReadFile, FileOpPage::Read, Slot::P1, ckReadFromFile),
    VariableBoxOf(foReadVariable, FileOpPage::Read, ckReadFromFile),
}};

FileOpView FileOpViewOf(std::uint8_t kind) {
  FileOpPage page = FileOpPage::Delete;
  for (const FileOpLink& link : FileOpLinks)
    if (link.kind == kind) page = link.page;
  return FileOpView{page, kind, StepKindName(kind), StepKindDescription(kind)};
}

std::optional<ApplyRefusal> RefuseFileOpApply(std::uint8_t kind, const DialogValues& values) {
  if (kind != ckWriteToFile && kind != ckReadFromFile) return std::nullopt;
  // The variable as Apply would store it.
  TCommand stored;
  ApplyStepValues(FileOpMapping, kind, values, stored);
  if (!stored.p2.empty()) return std::nullopt;
  return ApplyRefusal{kind == ckWriteToFile ? "Write To Variable" : "Read From Variable",
                      kVariableMissing};
}

}  // namespace vx::editor
