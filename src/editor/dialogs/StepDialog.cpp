#include "editor/dialogs/StepDialog.h"

#include <optional>
#include <stdexcept>

#include "core/StepKinds.h"

namespace vx::editor {

namespace {

constexpr COLORREF White = RGB(255, 255, 255);

}  // namespace

void TStepDialog::CreateStepDialog(const StepDialogFrame& frame, HWND owner,
                                   std::initializer_list<win32::ControlSlot> controls) {
  CreateStepDialog(frame, owner,
                   std::span<const win32::ControlSlot>(controls.begin(), controls.size()));
}

void TStepDialog::CreateStepDialog(const StepDialogFrame& frame, HWND owner,
                                   std::span<const win32::ControlSlot> controls) {
  escapeCancels_ = frame.escapeCancels;
  const win32::FormDef form = {
      .className = frame.className,
      .caption = frame.caption,
      .width = frame.width,
      .height = frame.height,
      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
      .exStyle = WS_EX_DLGMODALFRAME,
      .font = {"Tahoma", 8},
      .role = win32::FormRole::Dialog,
  };
  const int right = frame.bandWidth + StepDialogMargin;
  CreateForm(form,
             {
                 {&Gradient1, {.width = frame.bandWidth, .height = frame.height}},
                 {&lblinfocaption,
                  {.left = StepDialogMargin,
                   .top = 12,
                   .font = {.face = "Tahoma", .points = 9, .bold = true, .color = White}}},
                 {&lblinfo,
                  {.left = StepDialogMargin,
                   .top = 36,
                   .width = frame.bandWidth - 2 * StepDialogMargin,
                   .height = frame.height - 36 - StepDialogMargin,
                   .font = {.face = "Tahoma", .points = 8, .color = White}}},
                 {&BevelRect1,
                  {.caption = frame.heading,
                   .left = right,
                   .top = StepDialogMargin,
                   .width = frame.width - right - StepDialogMargin,
                   .height = StepDialogHeadingHeight,
                   .font = {.face = "Tahoma", .points = 9, .bold = true}}},
             },
             owner);
  for (const win32::ControlSlot& slot : controls) AddControl(slot);
  // Added last so that Tab reaches the dialog's own controls first.
  AddButtons(frame);
  Gradient1.Gradient().Assign(GradientSettings{});
  cmdapply.OnClick = [this] { ApplyClick(); };
  cmdcancel.OnClick = [this] { EndModal(IDCANCEL); };
}

void TStepDialog::AddButtons(const StepDialogFrame& frame) {
  const int buttonTop = frame.height - StepDialogMargin - StepDialogButtonHeight;
  const int cancelLeft = frame.width - StepDialogMargin - StepDialogButtonWidth;
  AddControl({&cmdapply,
              {.caption = "Apply",
               .left = cancelLeft - StepDialogMargin - StepDialogButtonWidth,
               .top = buttonTop,
               .width = StepDialogButtonWidth,
               .height = StepDialogButtonHeight,
               .style = WS_GROUP,
               .id = IDOK}});
  // With IDCANCEL the dialog manager turns Esc into a click on it.
  AddControl({&cmdcancel,
              {.caption = "Cancel",
               .left = cancelLeft,
               .top = buttonTop,
               .width = StepDialogButtonWidth,
               .height = StepDialogButtonHeight,
               .id = frame.escapeCancels ? IDCANCEL : 0}});
}

std::optional<TCommand> TStepDialog::Edit(const StepRequest& request) {
  request_ = request;
  currentKind_ = request.working.kind;
  result_.reset();
  CenterOnOwner();
  ShowModal();
  DialogClosed();
  return std::move(result_);
}

void TStepDialog::FormShow() {
  FillControls();
}

void TStepDialog::ApplyClick() {
  if (RefuseApply()) return;
  // A name the ANSI code page cannot hold would be stored as a look-alike, another file's.
  if (RefuseUnheldText(*this, map_, currentKind_, bound_)) return;
  // A refused add (the script is full) throws: the error is reported and the dialog stays.
  CheckStepApply(request_);
  TCommand step = request_.working;
  step.kind = currentKind_;
  WriteFields(step);
  result_ = std::move(step);
  EndModal(IDOK);
}

void TStepDialog::BindMapping(DialogMap map, std::vector<BoundControl> controls) {
  // A table that names a control the dialog did not list is a programming error, found at
  // start-up rather than at some later show.
  const auto listed = [&](int control) {
    return control == NoControl || (control >= 0 && control < static_cast<int>(controls.size()));
  };
  for (const ControlBinding& row : map)
    if (!listed(row.control) || !listed(row.partner))
      throw std::logic_error("A dialog's mapping names a control it does not bind");
  map_ = map;
  bound_ = std::move(controls);
}

void TStepDialog::ShowMappedStep() {
  DialogValues values = ReadControls(bound_);
  ShowStepValues(map_, ShownStep(), {.declared = &request_.declared}, values);
  ShowControls(bound_, values);
}

void TStepDialog::ApplyMappedStep(TCommand& step) const {
  ApplyStepValues(map_, currentKind_, ReadControls(bound_), step);
}

void TStepDialog::EmptyMappedControls() {
  DialogValues values = ReadControls(bound_);
  EmptyClosedValues(map_, values);
  ShowControls(bound_, values);
}

void TStepDialog::OnCancelKey() {
  if (escapeCancels_) EndModal(IDCANCEL);
}

void TStepDialog::ShowKindHeading(std::uint8_t kind) {
  SetHeading(StepKindName(kind), StepKindDescription(kind));
}

void TStepDialog::SetHeading(const std::string& title, const std::string& description) {
  lblinfocaption.SetCaption(title);
  lblinfo.SetCaption(description);
  // The whole band again: a bold title's last letter may reach past the rectangle its text
  // measures, and a shorter title would leave it behind.
  Gradient1.Invalidate();
}

}  // namespace vx::editor
