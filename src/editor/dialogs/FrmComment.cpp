#include "editor/dialogs/FrmComment.h"

#include <optional>

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

void Tfrmcomment::Create(HWND owner) {
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
             owner);
  cmdok.OnClick = [this] { cmdokClick(); };
  cmdcancel.OnClick = [this] { EndModal(IDCANCEL); };
}

std::optional<std::string> Tfrmcomment::Edit(const std::string& comment) {
  comment_ = comment;
  result_.reset();
  CenterOnOwner();
  ShowModal();
  return std::move(result_);
}

void Tfrmcomment::FormShow() {
  txtcomment.SetText(comment_);
  txtcomment.SetFocus();
  txtcomment.SelectAll();
}

void Tfrmcomment::cmdokClick() {
  result_ = txtcomment.Text();
  EndModal(IDOK);
}

}  // namespace vx::editor
