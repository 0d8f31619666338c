// The frame every step dialog shares, and its contract with the main window: Edit takes a
// StepRequest (adding or editing, the step to show, the declared variables) and gives back
// the step Apply made, or nothing; the main window commits it. A dialog derives from
// TStepDialog, places its own controls right of the coloured band and below the heading
// bar, and fills in:
//
//   FillControls()        put ShownStep() into the controls and set the heading
//                         (ShowKindHeading or SetHeading);
//   RefuseApply()         its own check before Apply, where it also ends what it has
//                         running (the recorder its recording); true (after its warning)
//                         keeps the dialog open; most dialogs never refuse (a name box
//                         that holds what the ANSI code page lacks is refused for every
//                         dialog, after this check);
//   WriteFields(step)     reads its controls into the fields the current kind uses.
//
// A dialog whose mapping is a table (DialogMapping.h) binds it with BindMapping and lets
// ShowMappedStep and ApplyMappedStep do the copying. Its kind switches call SetCurrentKind.
// Everything else (showing modally, centring, Apply, Cancel, Esc) is done here.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Command.h"
#include "core/editor/dialogs/DialogMapping.h"
#include "core/editor/list/StepRequest.h"
#include "editor/dialogs/ControlBinder.h"
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
  // Shows the request's step modally, centred on the owner; the step Apply made (the
  // request's step with the kind shown at Apply and the fields it uses), or nothing after
  // Cancel, Esc or the close box.
  std::optional<TCommand> Edit(const StepRequest& request);

  win32::TGradientBox Gradient1;
  win32::TLabel lblinfocaption;
  TWrapLabel lblinfo;
  win32::TBevelRect BevelRect1;
  win32::TButton cmdapply;
  win32::TButton cmdcancel;

 protected:
  // Creates the window: the frame's controls first, then the dialog's own (in tab order).
  void CreateStepDialog(const StepDialogFrame& frame, HWND owner,
                        std::initializer_list<win32::ControlSlot> controls);
  void CreateStepDialog(const StepDialogFrame& frame, HWND owner,
                        std::span<const win32::ControlSlot> controls);

  virtual void FillControls() = 0;
  virtual bool RefuseApply() { return false; }
  virtual void WriteFields(TCommand& step) = 0;
  // After every showing, however it ended (Apply, Cancel, Esc, the close box).
  virtual void DialogClosed() {}

  // The step being shown: the request's step (cleared when adding).
  const TCommand& ShownStep() const { return request_.working; }
  std::uint8_t CurrentKind() const { return currentKind_; }
  bool Adding() const { return request_.adding; }
  void SetCurrentKind(std::uint8_t kind) { currentKind_ = kind; }

  // The dialog's mapping table and its controls in the table's numbering.
  void BindMapping(DialogMap map, std::vector<BoundControl> controls);
  // The shown step's fields into the controls of its kind; the others keep their state.
  void ShowMappedStep();
  // The fields the current kind stores, from the controls.
  void ApplyMappedStep(TCommand& step) const;
  // The controls marked so go back to how the form was created.
  void EmptyMappedControls();
  DialogValues MappedValues() const { return ReadControls(bound_); }

  // The heading: a kind's name and description from the step-kind table, or a family's
  // own title and text.
  void ShowKindHeading(std::uint8_t kind);
  void SetHeading(const std::string& title, const std::string& description);

  // The variable names offered to the step being shown: the Set Variable steps above the
  // edited step, or every one when adding.
  const std::vector<std::string>& DeclaredVariables() const { return request_.declared; }

  void FormShow() override;
  void OnCancelKey() override;

 private:
  void AddButtons(const StepDialogFrame& frame);
  void ApplyClick();

  StepRequest request_;
  std::uint8_t currentKind_ = 0;
  std::optional<TCommand> result_;
  DialogMap map_;
  std::vector<BoundControl> bound_;
  bool escapeCancels_ = true;
};

}  // namespace vx::editor
