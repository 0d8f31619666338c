// A keyboard with a US layout that writes down every call, and an input port around it.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "core/StepLog.h"
#include "core/ports/InputPort.h"
#include "core/ports/MessageBoxPort.h"

namespace vxtest {

// Events read "D41" (down), "U41" (up), "E25"/"X25" (extended down/up), virtual key in
// hexadecimal; "box:<text>|<caption>|<style>" for a message box, "numlock:<on>" for a
// stored key-state array, "pump" for a message pump.
class RecordingKeyboard : public vx::Keyboard, public vx::MessageBoxPort {
 public:
  std::vector<std::string> calls;
  std::vector<std::uint8_t> scans;  // the scan code of every event, in order
  bool numLockOn = false;
  vx::KeyStateArray state{};

  std::uint16_t VkKeyScanA(char c) override {
    if (c >= 'a' && c <= 'z') return static_cast<std::uint16_t>('A' + (c - 'a'));
    if (c >= 'A' && c <= 'Z') return static_cast<std::uint16_t>(0x100 | c);
    if ((c >= '0' && c <= '9') || c == ' ') return static_cast<std::uint16_t>(c);
    switch (c) {
      case '{':
        return 0x1DB;
      case '}':
        return 0x1DD;
      case '[':
        return 0xDB;
      case ']':
        return 0xDD;
      case '+':
        return 0x1BB;
      case '^':
        return 0x136;
      case '%':
        return 0x135;
      case '~':
        return 0x1C0;
      case '(':
        return 0x139;
      case ')':
        return 0x130;
      case '!':
        return 0x131;
      case '\x05':
        return 0x245;  // Ctrl+E, to see the Ctrl bit
      case '\x06':
        return 0x446;  // Alt+F, to see the Alt bit
      default:
        return vx::NoKey;
    }
  }
  // High bits set to see that only the low byte is used.
  std::uint32_t MapVirtualKeyA(std::uint8_t vk) override {
    return 0xAB00u | static_cast<std::uint8_t>(vk + 1);
  }
  void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override {
    static const char kinds[] = {'D', 'E', 'U', 'X'};
    std::ostringstream out;
    out << (flags < 4 ? kinds[flags] : '?') << std::uppercase << std::hex << int{vk};
    calls.push_back(out.str());
    scans.push_back(scan);
  }
  std::int16_t GetKeyState(std::uint8_t vk) override { return vk == 144 && numLockOn ? 1 : 0; }
  vx::KeyStateArray GetKeyboardState() override { return state; }
  void SetKeyboardState(const vx::KeyStateArray& s) override {
    state = s;
    numLockOn = (s[144] & 1) != 0;
    calls.push_back("numlock:" + std::to_string(numLockOn));
  }
  void MessageBoxA(const std::string& text, const std::string& caption,
                   std::uint32_t style) override {
    calls.push_back("box:" + text + "|" + caption + "|" + std::to_string(style));
  }
  void PumpKeyboardMessages() override { calls.push_back("pump"); }

  std::string Joined() const {
    std::string all;
    for (const std::string& c : calls) all += (all.empty() ? "" : " ") + c;
    return all;
  }
};

class RecordingInput : public vx::InputPort {
 public:
  RecordingKeyboard keyboard;
  std::vector<std::string> calls;  // everything but the keyboard's own
  int playbackPolls = 3;           // PlaybackFinished answers false this many times

  vx::Keyboard& Keys() override { return keyboard; }
  void MouseEvent(std::uint32_t flags) override {
    calls.push_back("mouse:" + std::to_string(flags));
  }
  void SetCursorPos(std::int32_t x, std::int32_t y) override {
    calls.push_back("cursor:" + std::to_string(x) + "," + std::to_string(y));
  }
  void StartPlayback(const std::string& recording, std::uint32_t speed) override {
    calls.push_back("play:" + std::to_string(recording.size()) + "," + std::to_string(speed));
  }
  bool PlaybackFinished() override { return playbackPolls-- <= 0; }
  void AwaitPlayback() override { calls.push_back("messages"); }
};

}  // namespace vxtest
