#include "core/StepFamilies.h"

#include "core/StepKinds.h"

namespace vx {

namespace {

constexpr std::uint8_t ClipboardKinds[] = {ckGetClipboard, ckSetClipboard, ckClearClipboard};
constexpr std::uint8_t DiskKinds[] = {ckCopyObject, ckMoveObject,   ckRenameObject, ckDeleteObject,
                                      ckRunObject,  ckReadFromFile, ckWriteToFile};
constexpr std::uint8_t InternetKinds[] = {ckSendEmail, ckFtpUploadFile, ckFtpDownloadFile,
                                          ckFtpRenameFile, ckFtpDeleteFile};
constexpr std::uint8_t WindowKinds[] = {ckShowMessage,     ckActivateWindow, ckMinimizeWindow,
                                        ckMaximizeWindow,  ckCloseWindow,    ckKillWindow,
                                        ckCloseAllWindows, ckShowDesktop};
constexpr std::uint8_t UserInputKinds[] = {ckSendKeys, ckMouseMove, ckMouseClick};
constexpr std::uint8_t SystemKinds[] = {
    ckWait,           ckSetVariable,       ckExecutionSpeed, ckCallDLLFunction,
    ckLockComputer,   ckLogOFFCurrentUser, ckRestartWindows, ckHibernateSystem,
    ckShutdownWindows};
constexpr std::uint8_t RecordKinds[] = {ckRecord};

}  // namespace

// Declared extern in the header, so the definition keeps external linkage.
constexpr std::array<StepFamilyEntry, StepFamilyCount> StepFamilies = {{
    {StepFamily::Clipboard, "Clipboard", 0, ClipboardKinds},
    {StepFamily::FileOp, "Disk Operations", 4, DiskKinds},
    {StepFamily::Internet, "Internet", 12, InternetKinds},
    {StepFamily::Window, "Window", 18, WindowKinds},
    {StepFamily::UserInput, "User Input", 27, UserInputKinds},
    {StepFamily::System, "System", 31, SystemKinds},
    {StepFamily::Record, nullptr, 41, RecordKinds},
}};

static_assert(
    [] {
      std::size_t kinds = 0;
      for (const StepFamilyEntry& entry : StepFamilies) kinds += entry.kinds.size();
      return kinds;
    }() == StepKindCount,
    "every kind of the catalogue sits in a family");

namespace {

// Indexed by code; the gaps between the kinds and every code below 197 stay None.
constexpr std::array<StepFamily, 256> FamilyByCode = [] {
  std::array<StepFamily, 256> byCode{};
  for (const StepFamilyEntry& entry : StepFamilies) {
    for (const std::uint8_t kind : entry.kinds) byCode[kind] = entry.family;
  }
  return byCode;
}();

}  // namespace

StepFamily FamilyOfKind(std::uint8_t kind) {
  return FamilyByCode[kind];
}

}  // namespace vx
