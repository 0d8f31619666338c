// The fixed catalogue of 36 step kinds: code, display name, icon and description.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vx {

// Step-kind codes.
enum : std::uint8_t {
  ckClearClipboard = 197,
  ckSetClipboard = 198,
  ckGetClipboard = 199,
  ckSendKeys = 207,
  ckMouseClick = 208,
  ckMouseMove = 209,
  ckWait = 212,
  ckExecutionSpeed = 213,
  ckCallDLLFunction = 214,
  ckShutdownWindows = 215,
  ckRestartWindows = 216,
  ckHibernateSystem = 217,
  ckLockComputer = 218,
  ckLogOFFCurrentUser = 219,
  ckShowMessage = 222,
  ckCloseAllWindows = 223,
  ckShowDesktop = 224,
  ckKillWindow = 225,
  ckCloseWindow = 226,
  ckMaximizeWindow = 227,
  ckMinimizeWindow = 228,
  ckActivateWindow = 229,
  ckSendEmail = 235,
  ckFtpRenameFile = 236,
  ckFtpDeleteFile = 237,
  ckFtpUploadFile = 238,
  ckFtpDownloadFile = 239,
  ckWriteToFile = 243,
  ckReadFromFile = 244,
  ckCopyObject = 245,
  ckMoveObject = 246,
  ckRenameObject = 247,
  ckRunObject = 248,
  ckDeleteObject = 249,
  ckSetVariable = 254,
  ckRecord = 255,
};

struct TIDLib {
  std::uint8_t code;
  const char* name;
  std::uint8_t imageIndex;
  const char* description;
};

inline constexpr std::size_t StepKindCount = 36;

// In lookup order: entries 0..34 are searched, entry 35 ("Clear Clipboard") answers
// whenever nothing matches.
extern const std::array<TIDLib, StepKindCount> StepKindTable;

std::string StepKindName(std::uint8_t code);
std::string StepKindDescription(std::uint8_t code);
std::uint8_t StepKindImageIndex(std::uint8_t code);
// Exact, case-sensitive; a text that names no kind yields 197.
std::uint8_t StepKindFromName(const std::string& name);

}  // namespace vx
