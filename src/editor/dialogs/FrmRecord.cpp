#include "editor/dialogs/FrmRecord.h"

#include "win32/forms/Application.h"
#include "win32/input/Playback.h"

namespace vx::editor {

namespace {

constexpr int Width = 399;
constexpr int Height = 343;
constexpr int BandWidth = 137;
constexpr int Left = 153;

// Posted by the hooks when an event ended the recording: the hooks are removed after the
// hook procedure has returned.
constexpr UINT RecordingEndedMessage = win32::FirstFormMessage + 40;

const StepDialogFrame RecordFrame = {
    .className = "Tfrmrecord",
    .caption = "Record",
    .width = Width,
    .height = Height,
    .bandWidth = BandWidth,
    .heading = "Record",
};

}  // namespace

void Tfrmrecord::Create(HWND owner) {
  CreateStepDialog(RecordFrame, owner, Controls());
  chkrecmouse.SetChecked(true);
  tbrecord.SetRange(MinRecordSpeed, MaxRecordSpeed);
  std::vector<BoundControl> bound = {&tbrecord};
  ShowControls(bound, InitialValues(RecorderMapping, RecorderControlCount));
  BindMapping(RecorderMapping, std::move(bound));
  chkrecmouse.OnClick = [this] { chkrecmousemove.SetEnabled(chkrecmouse.Checked()); };
  cmdrecord.OnClick = [this] { RecordClick(); };
  cmdplay.OnClick = [this] { PlayClick(); };
  cmdcancel.OnClick = [this] { CancelClick(); };
}

std::vector<win32::ControlSlot> Tfrmrecord::Controls() {
  const int groupWidth = Width - Left - 8;
  return {
      win32::ControlSlot{&grprecord,
                         {.caption = " Record Options",
                          .left = Left,
                          .top = 38,
                          .width = groupWidth,
                          .height = 126}},
      {&chkrecmouse,
       {.caption = "Record Mouse", .left = Left + 12, .top = 58, .width = 200, .height = 17}},
      {&chkrecmousemove,
       {.caption = "Include Mouse Movement",
        .left = Left + 28,
        .top = 78,
        .width = 190,
        .height = 17}},
      {&chkreckeyboard,
       {.caption = "Record Keyboard", .left = Left + 12, .top = 98, .width = 200, .height = 17}},
      {&cmdrecord, {.caption = "Record", .left = Left + 12, .top = 128, .width = 75, .height = 25}},
      {&grpplayback,
       {.caption = " Playback Options",
        .left = Left,
        .top = 172,
        .width = groupWidth,
        .height = 124}},
      {&lblspeed, {.caption = "Playback Speed:", .left = Left + 12, .top = 190}},
      {&tbrecord, {.left = Left + 8, .top = 206, .width = groupWidth - 16, .height = 30}},
      {&lblveryslow, {.caption = "Very Slow", .left = Left + 12, .top = 238}},
      {&lblnormal, {.caption = "Normal", .left = Left + groupWidth / 2 - 18, .top = 238}},
      {&lblveryfast, {.caption = "Very Fast", .left = Left + groupWidth - 60, .top = 238}},
      {&cmdplay, {.caption = "Play", .left = Left + 12, .top = 262, .width = 75, .height = 25}},
  };
}

void Tfrmrecord::FillControls() {
  hooks_.Stop();
  const RecorderShown shown = ShowRecordStep(ShownStep(), session_);
  ShowMappedStep();
  playable_ = ShownStep().p1;
  SetHeading(shown.title, shown.description);
  mode_ = RecorderMode::Idle;
  const RecorderButtons buttons = RecorderButtonsFor(mode_, shown.playEnabled);
  cmdrecord.SetText(buttons.recordCaption);
  cmdrecord.SetEnabled(buttons.recordEnabled);
  cmdplay.SetEnabled(buttons.playEnabled);
}

void Tfrmrecord::SetMode(RecorderMode mode) {
  mode_ = mode;
  // After a stop Play is offered; an empty recording is reported by Play itself.
  const RecorderButtons buttons = RecorderButtonsFor(mode, true);
  cmdrecord.SetText(buttons.recordCaption);
  cmdrecord.SetEnabled(buttons.recordEnabled);
  cmdplay.SetEnabled(buttons.playEnabled);
}

void Tfrmrecord::RecordClick() {
  if (!RecorderButtonsAct(mode_)) return;
  if (mode_ == RecorderMode::Recording) {
    StopRecording();
    return;
  }
  StartRecording();
}

void Tfrmrecord::StartRecording() {
  const RecorderOptions options{chkrecmouse.Checked(), chkrecmousemove.Checked(),
                                chkreckeyboard.Checked()};
  const HWND window = Handle();
  const bool started = StartRecordStep(options, ::GetTickCount(), session_, [this, window] {
    return hooks_.Start(session_, window, [window](RecorderResult result) {
      ::PostMessageA(window, RecordingEndedMessage, static_cast<WPARAM>(result), 0);
    });
  });
  if (!started) {
    ::MessageBoxA(Handle(), RecordingNotStartedMessage, "Record", MB_OK | MB_ICONERROR);
    return;
  }
  SetMode(RecorderMode::Recording);
}

void Tfrmrecord::StopRecording() {
  hooks_.Stop();
  session_.Stop();
  TCommand taken;
  TakeRecording(session_, taken);
  playable_ = taken.p1;
  SetMode(RecorderMode::Idle);
}

bool Tfrmrecord::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != RecordingEndedMessage)
    return TStepDialog::OnMessage(message, wParam, lParam, result);
  if (mode_ == RecorderMode::Recording) {
    StopRecording();
    if (static_cast<RecorderResult>(wParam) == RecorderResult::Full)
      ::MessageBoxA(Handle(), RecordingFullMessage, "Record", MB_OK | MB_ICONWARNING);
  }
  result = 0;
  return true;
}

void Tfrmrecord::PlayClick() {
  if (!RecorderButtonsAct(mode_)) return;
  SetMode(RecorderMode::Playing);
  win32::StartPlayback(playable_, static_cast<std::uint32_t>(tbrecord.Position()));
  if (playable_.empty())
    ::MessageBoxA(Handle(), "No Recorded data found", "Vorlix", MB_OK | MB_ICONQUESTION);
  // The dialog keeps answering while the events play; the buttons ignore what they get.
  while (!win32::PlaybackFinished()) {
    win32::WaitForPlaybackOrMessage(50);
    win32::Application().ProcessMessages();
  }
  SetMode(RecorderMode::Idle);
  ::MessageBoxA(Handle(), "Playback Finished", "Confirm", MB_OK | MB_ICONQUESTION);
}

// Apply first ends a running recording, as "Stop" does: should the add then be refused (a
// full script), the dialog stays open, idle, with its recording, and the click on the error
// box is not recorded.
bool Tfrmrecord::RefuseApply() {
  if (!RecorderButtonsAct(mode_)) return true;
  if (mode_ == RecorderMode::Recording) StopRecording();
  return false;
}

void Tfrmrecord::WriteFields(TCommand& step) {
  ApplyMappedStep(step);
  ApplyRecording(session_, step);
}

void Tfrmrecord::CancelClick() {
  if (!RecorderButtonsAct(mode_)) return;
  hooks_.Stop();
  CancelRecordStep(session_);
  mode_ = RecorderMode::Idle;
  EndModal(IDCANCEL);
}

bool Tfrmrecord::CloseQuery() {
  if (!RecorderButtonsAct(mode_)) return false;
  hooks_.Stop();
  CancelRecordStep(session_);
  mode_ = RecorderMode::Idle;
  return true;
}

}  // namespace vx::editor
