// The frame and the add-or-edit protocol every step dialog shares. A dialog derives from
// TStepDialog, places its own controls right of the coloured band and below the heading
// bar, and fills in three virtuals:
//
//   FillControls()        after the protocol's Show: put ShownStep() into the controls
//                         and set the heading (ShowKindHeading or SetHeading);
//   RefuseApply()         its own check before Apply; true (after its warning) keeps the
//                         dialog open and the list unchanged; most dialogs never refuse;
//   WriteFields(step)     reads its controls into the fields the current kind uses.
//
// Its kind switches call SetCurrentKind. Everything else (showing modally, centring,
// Apply, Cancel, Esc, the list's refresh) is done here.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "core/Command.h"
#include "core/editor/dialogs/VariableBox.h"
#include "core/editor/list/StepDialogProtocol.h"
#include "editor/dialogs/StepDialogHost.h"
#include "editor/dialogs/WrapLabel.h"
#include "win32/forms/BevelRect.h"
#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::editor {

// The frame of one step dialog. Geometry in pixels at 96 DPI.
struct StepDialogFrame {
  const char* className = "";  // one window class per dialog
  const char* caption = "";
  int width = 0, height = 0;  // client size
  int bandWidth = 137;        // the coloured band at the left edge, full height
  const char* heading = "";   // the heading bar's caption
  // Whether Esc works as Cancel; a dialog may keep Esc from closing it.
  bool escapeCancels = true;
};

// Where a dialog's own controls start: right of the band and below the heading bar.
inline constexpr int StepDialogMargin = 8;
inline constexpr int StepDialogHeadingHeight = 22;
inline constexpr int StepDialogButtonWidth = 75;
inline constexpr int StepDialogButtonHeight = 25;

class TStepDialog : public win32::TForm {
 public:
  // Shows the dialog modally, centred on its owner; IDOK when Apply stored the step.
  int Open();

  win32::TGradientBox Gradient1;
  win32::TLabel lblinfocaption;
  TWrapLabel lblinfo;
  win32::TBevelRect BevelRect1;
  win32::TButton cmdapply;
  win32::TButton cmdcancel;

 protected:
  // Creates the window: the frame's controls first, then the dialog's own (in tab order).
  void CreateStepDialog(const StepDialogFrame& frame, StepDialogHost& host,
                        std::initializer_list<win32::ControlSlot> controls);
  void CreateStepDialog(const StepDialogFrame& frame, StepDialogHost& host,
                        std::span<const win32::ControlSlot> controls);

  virtual void FillControls() = 0;
  virtual bool RefuseApply() { return false; }
  virtual void WriteFields(TCommand& step) = 0;
  // After every showing, however it ended (Apply, Cancel, Esc, the close box).
  virtual void DialogClosed() {}

  // The step being shown: the working step with the kind chosen at show (a step being
  // added is cleared, and a cleared step keeps whatever kind it had before).
  TCommand ShownStep() const;
  std::uint8_t CurrentKind() const { return protocol_.CurrentKind(); }
  bool Adding() const { return protocol_.Adding(); }
  void SetCurrentKind(std::uint8_t kind) { protocol_.SetCurrentKind(kind); }
  StepDialogHost& Host() const { return *host_; }

  // The heading: a kind's name and description from the step-kind table, or a family's
  // own title and text.
  void ShowKindHeading(std::uint8_t kind);
  void SetHeading(const std::string& title, const std::string& description);

  // The variable names offered to the step being shown: the Set Variable steps above the
  // edited step, or every one when adding.
  std::vector<std::string> DeclaredVariables() const;
  // A variable drop-down list shows a box's entries and choice; and reads them back.
  static void ShowVariableBox(win32::TComboBox& combo, const VariableBox& box);
  static VariableBox ReadVariableBox(const win32::TComboBox& combo);

  void FormShow() override;
  void OnCancelKey() override;

 private:
  void ApplyClick();

  StepDialogHost* host_ = nullptr;
  StepDialogProtocol protocol_;
  bool escapeCancels_ = true;
};

}  // namespace vx::editor
