// Shared set-up of the player's end-to-end tests: a temporary folder for scripts and logs,
// the settings cleared afterwards, and waiting for the player's boxes.
#pragma once

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "core/StepKinds.h"
#include "e2e/PlayerHarness.h"

namespace vxtest {

class PlayerE2E : public ::testing::Test {
 protected:
  void TearDown() override { ClearVorlixSettings(); }

  std::string Script(const std::string& name, const std::vector<vx::TCommand>& steps) {
    const std::string path = folder_.File(name);
    WriteScript(path, steps);
    return path;
  }
  // Log folder without a trailing delimiter: the file must still land inside it.
  std::string LogFolder() const { return folder_.Path().string(); }
  std::string LogOf(const std::string& script) const { return LogFileFor(LogFolder(), script); }

  // The box with this caption that the program shows: its text, after pressing OK.
  std::string ExpectBox(const Program& program, const std::string& caption) {
    const auto box = AnswerMessageBox({.caption = caption, .processId = program.Id()}, IDOK, 15000);
    if (!box) {
      ADD_FAILURE() << "no box captioned " << caption;
      return {};
    }
    return box->text;
  }

  // The player's progress window, once shown.
  static HWND InfoWindow(const Program& player, DWORD timeoutMs) {
    return WaitForWindow({"Tfrminfo", "Info Window", player.Id()}, timeoutMs);
  }

  static int CountOf(const std::string& text, const std::string& word) {
    int count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
      ++count;
    return count;
  }

  TempFolder folder_;
};

}  // namespace vxtest
