// The names that may stand between braces in a key string, and their virtual keys.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/keys/Keyboard.h"
#include "core/ports/MessageBoxPort.h"

namespace vx {

struct KeyName {
  std::string_view name;
  std::uint8_t code;
};

// In this order: where several names share a code, the editor's key capture writes the
// first of them.
inline constexpr std::array<KeyName, 51> KeyNameTable = {{
    {"BACKSPACE", 8},
    {"BKSP", 8},
    {"BREAK", 3},
    {"BS", 8},
    {"CAPSLOCK", 20},
    {"CLEAR", 12},
    {"DEL", 46},
    {"DELETE", 46},
    {"DOWN", 40},
    {"END", 35},
    {"ENTER", 13},
    {"ESC", 27},
    {"ESCAPE", 27},
    {"F1", 112},
    {"F2", 113},
    {"F3", 114},
    {"F4", 115},
    {"F5", 116},
    {"F6", 117},
    {"F7", 118},
    {"F8", 119},
    {"F9", 120},
    {"F10", 121},
    {"F11", 122},
    {"F12", 123},
    {"F13", 124},
    {"F14", 125},
    {"F15", 126},
    {"F16", 127},
    {"F17", 128},
    {"F18", 129},
    {"F19", 130},
    {"F20", 131},
    {"F21", 132},
    {"F22", 133},
    {"F23", 134},
    {"F24", 135},
    {"HELP", 47},
    {"HOME", 36},
    {"INS", 45},
    {"LEFT", 37},
    {"NUMLOCK", 144},
    {"PAGEDOWN", 34},
    {"PAUSE", 19},
    {"PGUP", 33},
    // 42 is the Print key; Print Screen (44) has no name here.
    {"PRINTSCREEN", 42},
    {"RIGHT", 39},
    {"SCROLLLOCK", 145},
    {"TAB", 9},
    {"UP", 38},
    {"WINKEY", 91},
}};

// The code of an upper-case name (high byte 0). An unknown name shows "Invalid Key Name"
// and gives NoKey.
std::uint16_t FindKeyName(std::string_view name, MessageBoxPort& boxes);

// The error box of the engine: caption "SendKeys", an OK button, no icon.
void ShowKeyError(MessageBoxPort& boxes, const std::string& text);

}  // namespace vx
