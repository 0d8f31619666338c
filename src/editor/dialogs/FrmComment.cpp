#include "editor/dialogs/FrmComment.h"

#include <optional>
#include <vector>

#include "core/editor/dialogs/CommentDialog.h"

namespace vx::editor {

namespace {

const win32::FormDef CommentForm = {
    .className = "Tfrmcomment",
    .caption = "Add/Edit Comments",
    .width = 372,
    .height = 92,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    .exStyle = WS_EX_DLGMODALFRAME,
    .font = {"Tahoma", 8},
    .role = win32::FormRole::Dialog,
};

}  // namespace

void Tfrmcomment::Create(StepDialogHost& host) {
  host_ = &host;
  CreateForm(CommentForm,
             {
                 {&Image1, {.left = 12, .top = 12, .width = 32, .height = 32}},
                 {&Label1, {.caption = "Comments:", .left = 56, .top = 12}},
                 {&txtcomment, {.left = 56, .top = 28, .width = 304, .height = 21}},
                 {&cmdok,
                  {.caption = "OK", .left = 204, .top = 59, .width = 75, .height = 25, .id = IDOK}},
                 {&cmdcancel,
                  {.caption = "Cancel",
                   .left = 285,
                   .top = 59,
                   .width = 75,
                   .height = 25,
                   .id = IDCANCEL}},
             },
             host.DialogOwner());
  cmdok.OnClick = [this] { cmdokClick(); };
  cmdcancel.OnClick = [this] { EndModal(IDCANCEL); };
}

int Tfrmcomment::Open() {
  CenterOnOwner();
  return ShowModal();
}

void Tfrmcomment::FormShow() {
  const StepList& steps = host_->Steps();
  std::optional<std::size_t> current;
  if (steps.Current() != NoItem) current = static_cast<std::size_t>(steps.Current());
  txtcomment.SetText(ShowComment(steps.Steps(), current));
  txtcomment.SetFocus();
  txtcomment.SelectAll();
}

void Tfrmcomment::cmdokClick() {
  // Every selected step, whether or not the current item is among them.
  StepList& steps = host_->Steps();
  std::vector<std::size_t> selected;
  for (std::size_t i = 0; i < steps.Count(); ++i)
    if (steps.IsSelected(i)) selected.push_back(i);
  if (!selected.empty()) {
    const std::string text = txtcomment.Text();
    for (const std::size_t index : selected) steps.Step(index).p4 = text;
    host_->StepsChanged(ListChange::Repaint);
  }
  EndModal(IDOK);
}

}  // namespace vx::editor
