// The recorder dialog: records the desktop's input into a Record step, plays it back for
// checking through the shared playback, and stores the playback speed.
#pragma once

#include <vector>

#include "core/editor/dialogs/RecorderDialogFields.h"
#include "editor/dialogs/GroupFrame.h"
#include "editor/dialogs/RecorderHooks.h"
#include "editor/dialogs/StepDialog.h"
#include "win32/forms/TrackBar.h"

namespace vx::editor {

class Tfrmrecord : public TStepDialog {
 public:
  void Create(HWND owner);

  TGroupFrame grprecord;  // " Record Options"
  win32::TCheckBox chkrecmouse;
  win32::TCheckBox chkrecmousemove;
  win32::TCheckBox chkreckeyboard;
  win32::TButton cmdrecord;
  TGroupFrame grpplayback;  // " Playback Options"
  win32::TLabel lblspeed;   // "Playback Speed:"
  win32::TTrackBar tbrecord;
  win32::TLabel lblveryslow, lblnormal, lblveryfast;
  win32::TButton cmdplay;

  RecorderMode Mode() const { return mode_; }
  const RecorderSession& Session() const { return session_; }

 protected:
  void FillControls() override;
  bool RefuseApply() override;
  void WriteFields(TCommand& step) override;
  bool CloseQuery() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  // The dialog's own controls, in tab order.
  std::vector<win32::ControlSlot> Controls();
  void RecordClick();
  void StartRecording();
  void StopRecording();
  void PlayClick();
  void CancelClick();
  void SetMode(RecorderMode mode);

  RecorderSession session_;
  RecorderHooks hooks_;
  RecorderMode mode_ = RecorderMode::Idle;
  std::string playable_;  // the working step's recording, or the one just stopped
};

}  // namespace vx::editor
