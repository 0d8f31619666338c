#include "core/editor/dialogs/SizeBox.h"

#include "core/Errors.h"
#include "core/IntegerText.h"

namespace vx::editor {

namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr char kCtrlC = 3;
constexpr char kCtrlV = 22;
constexpr char kCtrlX = 24;
constexpr char kCtrlZ = 26;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool SizeBoxTakesKey(char typed) {
  switch (typed) {
    case kBackspace:
    case kEnter:
    case kCtrlC:
    case kCtrlV:
    case kCtrlX:
    case kCtrlZ:
      return true;
    default:
      return IsDigit(typed);
  }
}

std::string SizeBoxPaste(std::string_view pasted) {
  std::string digits;
  for (char c : pasted)
    if (IsDigit(c)) digits += c;
  return digits;
}

std::optional<SizeBoxRefusal> CheckSizeBox(SizeBound box, const std::string& text) {
  if (text.empty()) return std::nullopt;
  try {
    // The player's own rule decides, so OK never lets through what the run would refuse.
    StrToInt(text);
    return std::nullopt;
  } catch (const ConvertError&) {
    return SizeBoxRefusal{box, "Select Object",
                          "'" + text + "' is not a valid file size.\r\n" +
                              "Please type a whole number of kilobytes, at most 2147483647."};
  }
}

}  // namespace vx::editor
