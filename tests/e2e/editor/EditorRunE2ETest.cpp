// Run and Run Selected: the steps written to vxtemp.vxz beside the editor and the player
// started on them; its Set Clipboard steps show that it ran, and which steps it ran.
#include <chrono>
#include <cstring>

#include "EditorE2EFixture.h"

namespace vxtest {
namespace {

using vx::editor::acRun;
using vx::editor::acRunSelected;

std::string ClipboardText() {
  std::string text;
  if (!::OpenClipboard(nullptr)) return text;
  if (const HANDLE data = ::GetClipboardData(CF_TEXT)) {
    if (const auto* chars = static_cast<const char*>(::GlobalLock(data))) {
      text = chars;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

void SetClipboardText(const std::string& text) {
  if (!::OpenClipboard(nullptr)) return;
  ::EmptyClipboard();
  if (const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    std::memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    if (!::SetClipboardData(CF_TEXT, memory)) ::GlobalFree(memory);
  }
  ::CloseClipboard();
}

class EditorRunE2E : public EditorE2E {
 protected:
  void SetUp() override {
    EditorE2E::SetUp();
    std::filesystem::remove(temp_);
    SetClipboardText("before");
    sequence_ = ::GetClipboardSequenceNumber();
  }
  // Whether the player put text on the clipboard. The clipboard is only opened once it has
  // changed: opened while the player writes, it would make the player's step fail.
  bool ClipboardBecomes(const std::string& text) const {
    return WaitUntil(
        [&] { return ::GetClipboardSequenceNumber() != sequence_ && ClipboardText() == text; },
        20000);
  }
  // A text no earlier run left on the clipboard.
  static std::string Unique(const std::string& text) {
    return text + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  }
  const std::string temp_ = EditorFolder() + "vxtemp.vxz";
  DWORD sequence_ = 0;
};

TEST_F(EditorRunE2E, RunWritesEveryStepAndStartsThePlayer) {
  const std::string mark = Unique("run ");
  // The player writes the clipboard once: the disabled step is skipped.
  const auto steps = std::vector<vx::TCommand>{Step(vx::ckWait, "1"),
                                               Step(vx::ckSetClipboard, "off", {}, {}, false),
                                               Step(vx::ckSetClipboard, mark)};
  ASSERT_TRUE(Start({WriteScriptFile("run.vxz", steps)}));
  Post(acRun);
  EXPECT_TRUE(ClipboardBecomes(mark)) << ClipboardText();
  EXPECT_EQ(ReadAll(temp_), vx::EncodeScript(steps, 0, -1));
  EXPECT_TRUE(CloseAnswering(IDNO));
}

TEST_F(EditorRunE2E, RunSelectedRunsFromTheFirstToTheLastSelectedStep) {
  const std::string mark = Unique("selected ");
  // Steps 2 to 4 write the clipboard once (step 3 is disabled); steps 1 or 5 would show.
  const auto steps =
      std::vector<vx::TCommand>{Step(vx::ckSetClipboard, "a"), Step(vx::ckWait, "1"),
                                Step(vx::ckSetClipboard, "c", {}, {}, false),
                                Step(vx::ckSetClipboard, mark), Step(vx::ckSetClipboard, "e")};
  ASSERT_TRUE(Start({WriteScriptFile("sel.vxz", steps)}));
  // Nothing selected: nothing written, nothing started.
  Run(acRunSelected);
  EXPECT_FALSE(std::filesystem::exists(temp_));

  ClickItem(1, false);
  ClickItem(3, true);
  Post(acRunSelected);
  EXPECT_TRUE(ClipboardBecomes(mark)) << ClipboardText();
  EXPECT_EQ(ReadAll(temp_), vx::EncodeScript(steps, 1, 3));
  EXPECT_TRUE(CloseAnswering(IDNO));
}

}  // namespace
}  // namespace vxtest
