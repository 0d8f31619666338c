#include "core/keys/SendKeys.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "core/IntegerText.h"
#include "core/keys/KeyNames.h"

namespace vx {

namespace {

constexpr std::uint8_t VkShift = 16;
constexpr std::uint8_t VkControl = 17;
constexpr std::uint8_t VkMenu = 18;
constexpr std::uint8_t VkReturn = 13;
constexpr std::uint8_t VkNumLock = 144;

constexpr std::uint32_t FlagExtended = 1;
constexpr std::uint32_t FlagKeyUp = 2;

// "{" and "}" as a US layout types them: the bracket keys with Shift.
constexpr std::uint16_t CodeOpenBrace = 0x1DB;
constexpr std::uint16_t CodeCloseBrace = 0x1DD;

constexpr std::size_t MaxNameLength = 20;

bool HasBits(std::uint8_t value, std::uint8_t mask) {
  return (value & mask) != 0;
}
void AddBits(std::uint8_t& value, std::uint8_t mask) {
  value |= mask;
}

// Page Up, Page Down, End, Home, the four arrows, Insert and Delete.
bool IsExtendedKey(std::uint8_t vk) {
  return (vk >= 33 && vk <= 40) || vk == 45 || vk == 46;
}

char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The state of one SendKeys call.
class KeySender {
 public:
  KeySender(Keyboard& keyboard, MessageBoxPort& boxes, bool wait)
      : keyboard_(keyboard), boxes_(boxes), wait_(wait) {}

  bool Walk(std::string_view text);
  // Lets go of every held modifier, group or not: the call is ending.
  void ReleaseAllHeld() {
    group_ = false;
    ReleaseModifiers();
  }

 private:
  enum HeldBits : std::uint8_t { HeldShift = 1, HeldCtrl = 2, HeldAlt = 4 };

  void Hold(std::uint8_t bit, std::uint8_t vk) {
    AddBits(held_, bit);
    PressKey(vk, 1, false);
  }
  // Handles the token that starts at text[at] == '{'; returns where the walk goes on, or
  // npos when the token has no closing brace.
  std::size_t BraceToken(std::string_view text, std::size_t at);
  void SendCode(std::uint16_t code, std::uint16_t count) {
    PressKeyWithModifiers(code, count, true);
    ReleaseModifiers();
  }

  void ReleaseModifiers();
  void PressKey(std::uint8_t vk, std::uint16_t count, bool release);
  void ReleaseKey(std::uint8_t vk);
  void PressKeyWithModifiers(std::uint16_t code, std::uint16_t count, bool release);
  void SendKeyEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags);
  std::uint8_t ScanCode(std::uint8_t vk) {
    return static_cast<std::uint8_t>(keyboard_.MapVirtualKeyA(vk) & 0xFF);
  }

  Keyboard& keyboard_;
  MessageBoxPort& boxes_;
  const bool wait_;
  bool group_ = false;
  std::uint8_t held_ = 0;
};

bool KeySender::Walk(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    std::size_t next = i + 1;
    switch (c) {
      case '+':
        Hold(HeldShift, VkShift);
        break;
      case '^':
        Hold(HeldCtrl, VkControl);
        break;
      case '%':
        Hold(HeldAlt, VkMenu);
        break;
      case '(':
        group_ = true;
        break;
      case ')':
        group_ = false;
        ReleaseModifiers();
        break;
      case '~':
        PressKey(VkReturn, 1, true);
        ReleaseModifiers();
        break;
      case '{':
        next = BraceToken(text, i);
        if (next == std::string_view::npos) {
          ReleaseAllHeld();  // before the box: no key stays down while the user reads it
          ShowKeyError(boxes_, "No Close");
          return false;
        }
        break;
      default: {
        const std::uint16_t code = keyboard_.VkKeyScanA(c);
        if (code == NoKey) {
          ShowKeyError(boxes_, "Invalid KeyName");
        } else {
          SendCode(code, 1);
        }
      }
    }
    i = next;
  }
  ReleaseModifiers();
  return true;
}

std::size_t KeySender::BraceToken(std::string_view text, std::size_t at) {
  if (at + 1 < text.size() && text[at + 1] == '{') {
    SendCode(CodeOpenBrace, 1);
    return std::min(at + 3, text.size());  // the third character goes, whatever it is
  }
  std::string name;
  std::size_t close = at + 1;
  for (; close < text.size() && text[close] != '}'; ++close) {
    if (name.size() < MaxNameLength) name += UpperAscii(text[close]);
  }
  if (close >= text.size()) return std::string_view::npos;

  // "{ENTER}}" is Enter followed by a typed "}": only an empty name makes "{}}".
  if (name.empty() && close + 1 < text.size() && text[close + 1] == '}') {
    SendCode(CodeCloseBrace, 1);
    return close + 2;
  }
  std::uint16_t count = 1;
  if (const std::size_t blank = name.find(' '); blank != std::string::npos) {
    count = static_cast<std::uint16_t>(StrToInt(name.substr(blank + 1)) & 0xFFFF);
    name.resize(blank);
  }
  // One character is typed as the layout has it; FindKeyName reports a longer unknown name.
  const std::uint16_t code =
      name.size() == 1 ? keyboard_.VkKeyScanA(name[0]) : FindKeyName(name, boxes_);
  if (code != NoKey) SendCode(code, count);
  return close + 1;
}

void KeySender::ReleaseModifiers() {
  if (group_) return;
  if (HasBits(held_, HeldShift)) ReleaseKey(VkShift);
  if (HasBits(held_, HeldCtrl)) ReleaseKey(VkControl);
  if (HasBits(held_, HeldAlt)) ReleaseKey(VkMenu);
  held_ = 0;
}

void KeySender::PressKey(std::uint8_t vk, std::uint16_t count, bool release) {
  if (vk == VkNumLock) {
    // Num Lock is a toggle of this thread's key state, not an event; one flip per call.
    const bool on = (keyboard_.GetKeyState(VkNumLock) & 1) != 0;
    KeyStateArray state = keyboard_.GetKeyboardState();
    state[VkNumLock] = on ? (state[VkNumLock] & ~1) : (state[VkNumLock] | 1);
    keyboard_.SetKeyboardState(state);
    return;
  }
  const std::uint8_t scan = ScanCode(vk);
  const std::uint32_t extended = IsExtendedKey(vk) ? FlagExtended : 0;
  for (std::uint16_t n = 0; n < count; ++n) {
    SendKeyEvent(vk, scan, extended);
    if (release) SendKeyEvent(vk, scan, extended | FlagKeyUp);
  }
}

void KeySender::ReleaseKey(std::uint8_t vk) {
  SendKeyEvent(vk, ScanCode(vk), FlagKeyUp);
}

void KeySender::PressKeyWithModifiers(std::uint16_t code, std::uint16_t count, bool release) {
  const auto shifts = static_cast<std::uint8_t>(code >> 8);
  if (HasBits(shifts, 1)) PressKey(VkShift, 1, false);
  if (HasBits(shifts, 2)) PressKey(VkControl, 1, false);
  if (HasBits(shifts, 4)) PressKey(VkMenu, 1, false);
  PressKey(static_cast<std::uint8_t>(code & 0xFF), count, release);
  if (HasBits(shifts, 1)) ReleaseKey(VkShift);
  if (HasBits(shifts, 2)) ReleaseKey(VkControl);
  if (HasBits(shifts, 4)) ReleaseKey(VkMenu);
}

void KeySender::SendKeyEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
  keyboard_.KeybdEvent(vk, scan, flags);
  if (wait_) keyboard_.PumpKeyboardMessages();
}

}  // namespace

bool SendKeys(const std::string& text, bool wait, Keyboard& keyboard, MessageBoxPort& boxes) {
  const std::string_view keys(text.c_str());  // up to the first NUL
  if (keys.empty()) return false;
  KeySender sender(keyboard, boxes, wait);
  bool sent = false;
  try {
    sent = sender.Walk(keys);
  } catch (...) {
    sender.ReleaseAllHeld();
    throw;
  }
  // A group left open, or a token without its "}", must not leave Shift, Ctrl or Alt down.
  sender.ReleaseAllHeld();
  return sent;
}

}  // namespace vx
