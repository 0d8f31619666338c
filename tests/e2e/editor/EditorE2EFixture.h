// Shared set-up of the editor's end-to-end tests: vorlix.exe started on a fresh registry key,
// its main window and controls found from outside, commands sent as its menus send them, and
// its boxes and file dialogs answered.
#pragma once

#include <windows.h>
// windows.h must come before sddl.h.
#include <gtest/gtest.h>
#include <sddl.h>

#include <optional>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"
#include "e2e/PlayerHarness.h"
#include "editor/main/FrmMain.h"

namespace vxtest {

using vx::editor::MainCommand;

// The editor built beside the tests, with the player copied beside it.
inline std::string VorlixPath() {
  return WindowsPath(VX_BINARY_DIR "/src/editor/vorlix.exe");
}
inline std::string EditorFolder() {
  return WindowsPath(VX_BINARY_DIR "/src/editor/");
}

struct ClassSearch {
  std::string name;
  HWND found = nullptr;
};
inline BOOL CALLBACK MatchClass(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ClassSearch*>(data);
  char name[64] = {};
  ::GetClassNameA(child, name, sizeof name);
  if (::lstrcmpiA(search->name.c_str(), name) != 0) return TRUE;
  search->found = child;
  return FALSE;
}
// The first descendant window of this class, in any case (the tree, the list box).
inline HWND FindDescendant(HWND parent, const std::string& className) {
  ClassSearch search{className};
  ::EnumChildWindows(parent, MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline std::optional<std::int32_t> RegistryInteger(const std::string& name) {
  DWORD value = 0, size = sizeof value, type = 0;
  if (::RegGetValueA(HKEY_CURRENT_USER, VorlixKey, name.c_str(), RRF_RT_ANY, &type, &value,
                     &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}
inline std::optional<std::string> RegistryBytes(const std::string& name) {
  char buffer[4096] = {};
  DWORD size = sizeof buffer, type = 0;
  if (::RegGetValueA(HKEY_CURRENT_USER, VorlixKey, name.c_str(), RRF_RT_ANY, &type, buffer,
                     &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (type == REG_SZ) return std::string(buffer);
  return std::string(buffer, size);
}

// Gives the key a DACL from SDDL: "D:(D;;0x6;;;WD)(A;;KA;;;WD)" refuses everyone new values
// and subkeys, "D:(A;;KA;;;WD)" allows everything again. True when the key then refuses or
// accepts a write as asked.
inline bool SetVorlixKeyAccess(const char* sddl, bool writable) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, VorlixKey, 0, nullptr, 0, WRITE_DAC | KEY_READ, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return false;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  bool set = ::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1,
                                                                    &descriptor, nullptr) &&
             ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
  ::LocalFree(descriptor);
  ::RegCloseKey(key);
  HKEY writer = nullptr;
  const bool opened =
      ::RegOpenKeyExA(HKEY_CURRENT_USER, VorlixKey, 0, KEY_WRITE, &writer) == ERROR_SUCCESS;
  if (writer) ::RegCloseKey(writer);
  return set && opened == writable;
}

class EditorE2E : public ::testing::Test {
 protected:
  void SetUp() override { ClearVorlixSettings(); }
  void TearDown() override {
    editor_.Stop();
    ClearVorlixSettings();
  }

  // Starts the editor and waits for its main window; false when it did not come.
  bool Start(const std::vector<std::string>& args = {}) {
    return Started(StartProgram(VorlixPath(), args));
  }
  // Started on a file whose name may hold characters the ANSI code page lacks.
  bool StartOn(const std::wstring& file) {
    const std::string program = VorlixPath();
    return Started(StartCommand(L"\"" + std::wstring(program.begin(), program.end()) + L"\" \"" +
                                file + L"\""));
  }
  bool Started(Program editor) {
    editor_ = std::move(editor);
    window_ = WaitForWindow({"Tfrmmain", std::nullopt, editor_.Id()}, 20000);
    if (!window_) return false;
    list_ = FindDescendant(window_, "LISTBOX");
    return list_ != nullptr && Idle();
  }
  // Until the editor waits for input with nothing left to do.
  bool Idle() const { return ::WaitForInputIdle(editor_.Handle(), 10000) == 0; }

  std::string Caption() const { return vxtest::Caption(window_); }
  std::vector<std::string> Items() const { return ListBoxItems(list_); }
  int ItemCount() const { return static_cast<int>(::SendMessageW(list_, LB_GETCOUNT, 0, 0)); }

  // A command that opens no box or dialog: returns once it has run.
  void Run(MainCommand command) const {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0, SMTO_NORMAL, 20000,
                          &ignored);
  }
  // A command that may show a box or dialog: sent without waiting for it.
  void Post(MainCommand command) const {
    ::PostMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  }
  // The editor's question box: its text, after pressing button and the box going away.
  std::string Answer(int button) const { return AnswerBox("Confirm", button); }
  // The editor's box captioned caption ("Vorlix" for an error report): its text after OK.
  std::string BoxText(const std::string& caption) const { return AnswerBox(caption, IDOK); }
  std::string AnswerBox(const std::string& caption, int button) const {
    HWND box = nullptr;
    const BoxMatch match{.caption = caption, .processId = editor_.Id()};
    if (!WaitUntil([&] { return (box = FindMessageBox(match)) != nullptr; }))
      return "(no box captioned " + caption + ")";
    const std::string text = MessageBoxText(box);
    PressBoxButton(box, button);
    WaitUntil([&] { return !::IsWindow(box); });
    return text;
  }
  // Answers the file dialog captioned caption with file (nullopt: Cancel).
  bool AnswerFileDialog(const std::string& caption, const std::optional<std::string>& file) {
    const HWND dialog = WaitForWindow({"#32770", caption, editor_.Id()});
    if (!dialog) return false;
    if (file) {
      const std::wstring wide(file->begin(), file->end());
      HWND name = ::GetDlgItem(dialog, 0x47C);  // the file-name box
      if (!name) name = ::GetDlgItem(dialog, 0x480);
      ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(file ? IDOK : IDCANCEL, BN_CLICKED), 0);
    return true;
  }
  // Closes the window, answering the close question with button; whether the editor ended.
  bool CloseAnswering(int button) {
    ::PostMessageW(window_, WM_CLOSE, 0, 0);
    lastQuestion_ = Answer(button);
    return Ended();
  }
  bool Ended() const { return editor_.Wait(10000).has_value(); }

  // Clicks item index of the list, with Ctrl held when adding to the selection.
  void ClickItem(int index, bool ctrl) const {
    const auto height = static_cast<int>(::SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(10, index * height + height / 2);
    const WPARAM keys = MK_LBUTTON | (ctrl ? MK_CONTROL : 0);
    ::PostMessageW(list_, WM_LBUTTONDOWN, keys, at);
    ::PostMessageW(list_, WM_LBUTTONUP, ctrl ? MK_CONTROL : 0, at);
  }

  std::string WriteScriptFile(const std::string& name, const std::vector<vx::TCommand>& steps) {
    const std::string path = folder_.File(name);
    WriteScript(path, steps);
    return path;
  }

  TempFolder folder_;
  Program editor_;
  HWND window_ = nullptr;
  HWND list_ = nullptr;
  std::string lastQuestion_;
};

inline std::vector<vx::TCommand> ClipboardSteps(std::initializer_list<const char*> texts) {
  std::vector<vx::TCommand> steps;
  for (const char* text : texts) steps.push_back(Step(vx::ckSetClipboard, text));
  return steps;
}

}  // namespace vxtest
