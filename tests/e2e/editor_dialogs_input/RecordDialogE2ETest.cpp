#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"
#include "core/playback/JournalRecord.h"
#include "e2e/PlayerHarness.h"
#include "e2e/editor_dialogs_input/SavedSteps.h"
#include "editor/dialogs/FrmRecord.h"
#include "win32/editor_dialogs/DialogRig.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::InModalLoop;

// A top-level window right of the dialog that logs the keys and clicks it gets, in order.
class InputLog {
 public:
  InputLog() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "VxRecordTarget";
    ::RegisterClassA(&windowClass);
    window_ = ::CreateWindowExA(0, "VxRecordTarget", "Target", WS_POPUP | WS_VISIBLE, 800, 300, 300,
                                200, nullptr, nullptr, windowClass.hInstance, nullptr);
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~InputLog() { ::DestroyWindow(window_); }
  void Focus() const {
    ::SetForegroundWindow(window_);
    ::SetFocus(window_);
    vxtest::WaitUntil([&] { return ::GetFocus() == window_; }, 3000);
  }
  const std::vector<std::string>& Events() const { return events_; }
  void Clear() { events_.clear(); }
  static constexpr int ClickX = 900, ClickY = 400;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<InputLog*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self) {
      if (message == WM_KEYDOWN && wParam != VK_PAUSE)
        self->events_.push_back(std::string("key ") + static_cast<char>(wParam));
      if (message == WM_LBUTTONDOWN) self->events_.push_back("down");
      if (message == WM_LBUTTONUP) self->events_.push_back("up");
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
  HWND window_ = nullptr;
  std::vector<std::string> events_;
};

using Events = std::vector<std::string>;

class RecordDialogE2ETest : public ::testing::Test {
 protected:
  void SetUp() override { dialog.Create(host.DialogOwner()); }
  void TearDown() override { vxtest::ClearVorlixSettings(); }
  vxtest::RigHost host;
  Tfrmrecord dialog;
};

TEST_F(RecordDialogE2ETest, XInputRecordedInTheDialogIsPlayedByThePlayerInOrder) {
  InputLog target;
  host.AddFromTree("Record");
  Events typed;
  bool stoppedByPause = false;
  int speedShown = -1;
  InModalLoop({[&] {
    speedShown = dialog.tbrecord.Position();
    Click(dialog.chkreckeyboard.Handle());
    Click(dialog.cmdrecord.Handle());
    target.Focus();
    // The user's own input through the X server: "h", a click on the target, "i", Pause.
    const vxtest::Program user =
        vxtest::StartCommand("/usr/bin/xdotool key h mousemove 900 400 click 1 key i key Pause");
    stoppedByPause = vxtest::WaitUntil([&] { return dialog.Mode() == RecorderMode::Idle; });
    typed = target.Events();
    dialog.tbrecord.SetPosition(4);
    Click(dialog.cmdapply.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDOK);
  EXPECT_EQ(speedShown, NormalRecordSpeed);
  ASSERT_TRUE(stoppedByPause);
  ASSERT_EQ(typed, (Events{"key H", "down", "up", "key I"}));

  // Saved as the editor saves, read back, and played by the player into the same window.
  const vxtest::TempFolder folder;
  const std::string script = folder.File("recorded.vxz");
  {
    const std::vector<TCommand> saved = vxtest::SavedAndReadBack(host.steps);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].kind, ckRecord);
    EXPECT_EQ(saved[0].p2, "4");
    EXPECT_EQ(saved[0].p1.size(), 6u * 20u) << "two key events each, a click's two; no Pause";
    vxtest::WriteScript(script, saved);
  }
  target.Clear();
  target.Focus();
  vxtest::SetPlayerSettings(
      {.show = false, .extended = false, .log = false, .logPath = std::nullopt});
  const vxtest::RunResult run = vxtest::RunVexec({script});
  EXPECT_TRUE(run.finished);
  EXPECT_TRUE(vxtest::WaitUntil([&] { return target.Events().size() >= 4; }, 5000));
  EXPECT_EQ(target.Events(), typed);
}

// The pointer first leaves the place where the dialog came up, onto the target: the system may
// report it there once more, under the dialog's owner, and a press reported there would
// land on the recorder's buttons.
void PointerOntoTheTarget() {
  const vxtest::Program away =
      vxtest::StartCommand("/usr/bin/xdotool mousemove " + std::to_string(InputLog::ClickX) + " " +
                           std::to_string(InputLog::ClickY));
  vxtest::WaitUntil([&] {
    POINT at{};
    ::GetCursorPos(&at);
    return !away.Running() && at.x == InputLog::ClickX && at.y == InputLog::ClickY;
  });
}

// What the user does on the recorder itself is not recorded: a click on it, keys typed while
// it is in front (Tab between its buttons, Space on "Stop").
TEST_F(RecordDialogE2ETest, ClicksAndKeysOnTheRecorderAreNotRecorded) {
  InputLog target;
  host.AddFromTree("Record");
  RECT recorder{};
  bool stopped = false;
  InModalLoop({[&] {
    PointerOntoTheTarget();
    Click(dialog.chkrecmousemove.Handle());
    Click(dialog.chkreckeyboard.Handle());
    ::SetFocus(dialog.chkreckeyboard.Handle());  // Tab goes on to "Record"
    Click(dialog.cmdrecord.Handle());
    ::GetWindowRect(dialog.Handle(), &recorder);
    target.Focus();
    // A key and a click on the target; then a click on the recorder's coloured band brings it
    // to the front, Tab goes to "Stop" and Space presses it.
    const vxtest::Program user = vxtest::StartCommand(
        "/usr/bin/xdotool key h click 1 mousemove " + std::to_string(recorder.left + 30) + " " +
        std::to_string((recorder.top + recorder.bottom) / 2) + " click 1 key Tab key space");
    stopped = vxtest::WaitUntil([&] { return dialog.Mode() == RecorderMode::Idle; });
    Click(dialog.cmdapply.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDOK);
  ASSERT_TRUE(stopped);
  ASSERT_EQ(host.steps.Count(), 1u);
  const std::string& recording = host.steps.Step(0).p1;
  const std::size_t count = RecordedEventCount(recording);
  std::vector<std::string> keys;
  std::optional<RecordedEvent> lastButton;
  for (std::size_t i = 0; i < count; ++i) {
    const RecordedEvent event = ReadRecordedEvent(recording, i);
    if (event.message < msg::MouseMove) {  // a key message
      keys.push_back((event.message == msg::KeyDown ? "down " : "up ") +
                     std::to_string(event.paramL & 0xFF));
      continue;
    }
    const POINT at{static_cast<LONG>(event.paramL), static_cast<LONG>(event.paramH)};
    EXPECT_FALSE(::PtInRect(&recorder, at))
        << "event " << i << " (message " << event.message << ") at " << at.x << ", " << at.y;
    if (event.message != msg::MouseMove) lastButton = event;
  }
  EXPECT_EQ(keys, (Events{"down 72", "up 72"})) << "only the h typed on the target";
  ASSERT_TRUE(lastButton);
  EXPECT_EQ(lastButton->message, msg::LButtonUp);
  EXPECT_EQ(lastButton->paramL, 900u);
  EXPECT_EQ(lastButton->paramH, 400u);
}

TEST_F(RecordDialogE2ETest, AFullRecordingStopsWithItsMessageAndIsKeptWhole) {
  InputLog target;
  host.AddFromTree("Record");
  std::vector<vxtest::AnsweredBox> boxes;
  std::string kept;
  InModalLoop({[&] {
    PointerOntoTheTarget();
    Click(dialog.cmdrecord.Handle());
    const vxtest::MessageBoxAnswerer answerer({.caption = "Record"});
    // More clicks than a step can hold, from another thread while this one runs the hooks.
    // Each press carries the target's place: the pointer may still be reported over the
    // recorder, whose clicks are not recorded.
    const LONG x = InputLog::ClickX * 65536 / ::GetSystemMetrics(SM_CXSCREEN) + 1;
    const LONG y = InputLog::ClickY * 65536 / ::GetSystemMetrics(SM_CYSCREEN) + 1;
    std::thread clicker([x, y] {
      for (int i = 0; i < 1700; ++i) {
        INPUT click[2]{};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dx = x;
        click[0].mi.dy = y;
        click[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, click, sizeof(INPUT));
      }
    });
    vxtest::WaitUntil([&] { return dialog.Mode() == RecorderMode::Idle; }, 60000);
    vxtest::WaitUntil([&] { return !answerer.Answered().empty(); }, 10000);
    clicker.join();
    boxes = answerer.Answered();
    kept = dialog.Session().Data();
    Click(dialog.cmdapply.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDOK);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, RecordingFullMessage);
  EXPECT_EQ(kept.size(), MaxRecordedEvents * 20u);
  ASSERT_EQ(host.steps.Count(), 1u);
  EXPECT_EQ(host.steps.Step(0).p1.size(), MaxRecordedEvents * 20u);
  EXPECT_NO_THROW(vxtest::SavedAndReadBack(host.steps)) << "the recording still fits a file";
}

// A new step refused because the script is full: the recording has stopped first, so the
// click on the error box is not recorded; the dialog stays, idle, with its recording.
TEST_F(RecordDialogE2ETest, AnAddRefusedForAFullScriptLeavesTheRecorderIdleWithItsRecording) {
  InputLog target;
  host.steps.Assign(std::vector<TCommand>(MaxListSteps, TCommand{ckWait, "1", "", "", "", 1}));
  host.AddFromTree("Record");
  std::string before, after;
  std::optional<vxtest::AnsweredBox> box;
  RecorderMode mode = RecorderMode::Recording;
  std::string recordCaption;
  bool playEnabled = false;
  InModalLoop({[&] {
    PointerOntoTheTarget();
    Click(dialog.cmdrecord.Handle());
    // A click on the target, from another thread: this one runs the hooks.
    std::thread clicker([] { vxtest::ClickWithPointer(::FindWindowA("VxRecordTarget", nullptr)); });
    vxtest::WaitUntil([&] { return dialog.Session().Data().size() >= 2 * RecordedEventSize; });
    clicker.join();
    before = dialog.Session().Data();
    // The user clicks OK on the error box with the pointer.
    std::thread user([&] {
      const vxtest::BoxMatch match{.processId = ::GetCurrentProcessId()};
      HWND shown = nullptr;
      if (!vxtest::WaitUntil([&] { return (shown = vxtest::FindMessageBox(match)) != nullptr; }))
        return;
      box = vxtest::AnsweredBox{vxtest::Caption(shown), vxtest::MessageBoxText(shown)};
      vxtest::ClickWithPointer(::GetDlgItem(shown, IDOK));
    });
    Click(dialog.cmdapply.Handle());
    user.join();
    vxtest::PumpMessages();
    after = dialog.Session().Data();
    mode = dialog.Mode();
    recordCaption = vxtest::WindowText(dialog.cmdrecord.Handle());
    playEnabled = ::IsWindowEnabled(dialog.cmdplay.Handle()) != FALSE;
    Click(dialog.cmdcancel.Handle());
  }});
  EXPECT_EQ(host.Open(dialog), IDCANCEL);
  ASSERT_TRUE(box) << "no error box";
  EXPECT_EQ(box->text,
            "The script would have 65536 steps; a script holds at most 65535 steps. "
            "Nothing was added.");
  EXPECT_EQ(mode, RecorderMode::Idle);
  EXPECT_EQ(recordCaption, "Record");
  EXPECT_TRUE(playEnabled);
  EXPECT_EQ(RecordedEventCount(before), 2u);
  EXPECT_EQ(after, before) << "the recording is kept, and the box's click is not in it";
  EXPECT_EQ(host.steps.Count(), MaxListSteps);
}

// Ends the dialog with Cancel once the playback is over; checks every 50 ms.
Tfrmrecord* closingWhenIdle = nullptr;
void CALLBACK CancelWhenIdle(HWND, UINT, UINT_PTR timer, DWORD) {
  if (closingWhenIdle->Mode() != RecorderMode::Idle) return;
  ::KillTimer(nullptr, timer);
  Click(closingWhenIdle->cmdcancel.Handle());
}

TEST_F(RecordDialogE2ETest, WhilePlayingTheButtonsAndTheCloseBoxDoNothing) {
  std::string recording;
  for (std::uint32_t k = 0; k < 20; ++k)
    AppendRecordedEvent(
        recording,
        MakeMouseRecord(msg::MouseMove, 1100, 900 + static_cast<std::int32_t>(k % 2), k * 50, 0));
  const TCommand step{ckRecord, recording, "2", "", "note", 1};
  host.steps.Assign({step});
  host.EditStep(0);
  std::vector<vxtest::AnsweredBox> boxes;
  bool stillOpen = false;
  RecorderMode during = RecorderMode::Idle;
  {
    const vxtest::MessageBoxAnswerer answerer({.caption = "Confirm"});
    InModalLoop({[&] { Click(dialog.cmdplay.Handle()); },
                 [&] {
                   // Runs inside the playback's own wait: what played keys and clicks would do.
                   during = dialog.Mode();
                   Click(dialog.cmdapply.Handle());
                   Click(dialog.cmdcancel.Handle());
                   Click(dialog.cmdrecord.Handle());
                   dialog.Close();
                   stillOpen = dialog.Modal();
                   closingWhenIdle = &dialog;
                   ::SetTimer(nullptr, 0, 50, CancelWhenIdle);
                 }});
    EXPECT_EQ(host.Open(dialog), IDCANCEL);
    boxes = answerer.Answered();
  }
  EXPECT_EQ(during, RecorderMode::Playing);
  EXPECT_TRUE(stillOpen);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Playback Finished");
  EXPECT_EQ(host.steps.Step(0), step);
  EXPECT_EQ(host.refreshes, 0);
}

}  // namespace
}  // namespace vx::editor
