#include "editor/dialogs/FrmUserInput.h"

#include "core/StepKinds.h"

namespace vx::editor {

namespace {

constexpr int Width = 455;
constexpr int Height = 297;
constexpr int BandWidth = 137;
constexpr int Left = 153;

const StepDialogFrame UserInputFrame = {
    .className = "Tfrmuserinput",
    .caption = "User Input",
    .width = Width,
    .height = Height,
    .bandWidth = BandWidth,
    .heading = "User Input",
};

// The one user input dialog whose key preview runs; the hook procedure has no other way to
// reach it.
Tfrmuserinput* previewing = nullptr;

}  // namespace

void Tfrmuserinput::Create(HWND owner) {
  CreateStepDialog(UserInputFrame, owner, Controls());
  StylePageLink(gotomouse);
  StylePageLink(gotokeyboard);
  for (std::string_view type : ClickTypes) cmbclicktype.Add(std::string(type));
  rbmousemove.SetChecked(true);
  chkcapture.SetChecked(true);
  rbsendkeyschar.SetChecked(true);
  txtsendkeys.SetCapture(&capture_);
  pages_.Assign(
      {{&rbmousemove, &lblmousepos, &lblposhint, &txtmousepos, &rbmouseclick, &lblclicktype,
        &cmbclicktype},
       {&lblsendkeys, &txtsendkeys, &chkcapture, &lbloptions, &rbsendkeyschar, &rbsendkeysall}});
  pages_.Show(static_cast<int>(UserInputPage::Mouse));
  gotomouse.OnClick = [this] { LinkClicked(UserInputPage::Mouse); };
  gotokeyboard.OnClick = [this] { LinkClicked(UserInputPage::Keyboard); };
  rbmousemove.OnClick = [this] { MouseRadioClicked(rbmousemove, ckMouseMove); };
  rbmouseclick.OnClick = [this] { MouseRadioClicked(rbmouseclick, ckMouseClick); };
  chkcapture.OnClick = [this] { capture_.CheckBoxClicked(chkcapture.Checked()); };
  previewing = this;
  keyPreview_.Reset(::SetWindowsHookExA(WH_KEYBOARD, KeyPreview, nullptr, ::GetCurrentThreadId()));
}

Tfrmuserinput::~Tfrmuserinput() {
  keyPreview_.Reset();
  if (previewing == this) previewing = nullptr;
}

std::vector<win32::ControlSlot> Tfrmuserinput::Controls() {
  return {
      {&gotomouse, PageLinkDef("   Mouse", BandWidth, Height, 1)},
      {&gotokeyboard, PageLinkDef("   Keyboard", BandWidth, Height, 0)},
      {&rbmousemove,
       {.caption = "Move Mouse",
        .left = Left,
        .top = 42,
        .width = 200,
        .height = 17,
        .style = WS_GROUP | WS_TABSTOP}},
      {&lblmousepos, {.caption = "Position:   ", .left = Left + 18, .top = 68}},
      {&txtmousepos, {.left = Left + 72, .top = 64, .width = 110, .height = 21}},
      {&lblposhint,
       {.caption = "(Press Shift to capture current position)", .left = Left + 18, .top = 90}},
      {&rbmouseclick,
       {.caption = "Click Mouse",
        .left = Left,
        .top = 118,
        .width = 200,
        .height = 17,
        .style = WS_TABSTOP}},
      {&lblclicktype, {.caption = "Button:", .left = Left + 18, .top = 144}},
      {&cmbclicktype,
       {.left = Left + 72, .top = 140, .width = 180, .height = 200, .style = WS_GROUP}},
      {&lblsendkeys, {.caption = "Text:", .left = Left, .top = 38}},
      {&txtsendkeys,
       {.left = Left,
        .top = 54,
        .width = Width - Left - 8,
        .height = 110,
        .style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_GROUP}},
      {&chkcapture,
       {.caption = "Capture special keys as you type.",
        .left = Left,
        .top = 170,
        .width = 260,
        .height = 17}},
      {&lbloptions, {.caption = "Options", .left = Left, .top = 194}},
      {&rbsendkeyschar,
       {.caption = "Send character by character",
        .left = Left + 10,
        .top = 210,
        .width = 220,
        .height = 17,
        .style = WS_GROUP | WS_TABSTOP}},
      {&rbsendkeysall,
       {.caption = "Send Whole at once",
        .left = Left + 10,
        .top = 229,
        .width = 220,
        .height = 17,
        .style = WS_TABSTOP}},
  };
}

UserInputValues Tfrmuserinput::Values() const {
  return {
      .mouseAction = checkedMouseAction_,
      .mousePosition = txtmousepos.Text(),
      .clickType = cmbclicktype.ItemIndex(),
      .keyText = txtsendkeys.Text(),
      .sendCharByChar = rbsendkeyschar.Checked(),
      .captureChecked = chkcapture.Checked(),
  };
}

void Tfrmuserinput::FillControls() {
  UserInputValues values = Values();
  const UserInputShown shown = ShowUserInputStep(ShownStep(), CurrentKind(), values, capture_);
  SetCurrentKind(shown.currentKind);
  checkedMouseAction_ = values.mouseAction;
  rbmousemove.SetChecked(values.mouseAction == ckMouseMove);
  rbmouseclick.SetChecked(values.mouseAction == ckMouseClick);
  txtmousepos.SetText(values.mousePosition);
  cmbclicktype.SetItemIndex(values.clickType);
  txtsendkeys.SetText(values.keyText);
  rbsendkeyschar.SetChecked(values.sendCharByChar);
  rbsendkeysall.SetChecked(!values.sendCharByChar);
  if (shown.view) ShowView(*shown.view);
}

void Tfrmuserinput::ShowView(const UserInputPageView& view) {
  pages_.Show(static_cast<int>(view.page));
  SetHeading(view.title, view.description);
}

void Tfrmuserinput::LinkClicked(UserInputPage page) {
  std::uint8_t kind = CurrentKind();
  const UserInputPageView view = FollowUserInputLink(page, kind);
  SetCurrentKind(kind);
  ShowView(view);
}

void Tfrmuserinput::MouseRadioClicked(const win32::TRadioButton& button, std::uint8_t kind) {
  if (!button.Checked()) return;
  UserInputValues values;
  values.mouseAction = checkedMouseAction_;
  std::uint8_t current = CurrentKind();
  CheckMouseAction(values, kind, current);
  checkedMouseAction_ = values.mouseAction;
  SetCurrentKind(current);
}

LRESULT CALLBACK Tfrmuserinput::KeyPreview(int code, WPARAM key, LPARAM flags) {
  // Bit 31 set: the key went up.
  if (code == HC_ACTION && (flags & 0x80000000) == 0 && previewing)
    previewing->CapturePositionOnShift(key);
  return ::CallNextHookEx(nullptr, code, key, flags);
}

void Tfrmuserinput::CapturePositionOnShift(WPARAM key) {
  if (!Showing()) return;
  const HWND focus = ::GetFocus();
  if (!focus || ::GetAncestor(focus, GA_ROOT) != Handle()) return;
  // The Shift key's own key-down counts: the key state may not show it down yet.
  if (key != VK_SHIFT && ::GetKeyState(VK_SHIFT) >= 0) return;
  POINT cursor{};
  if (!::GetCursorPos(&cursor)) return;
  txtmousepos.SetText(CursorPositionText(cursor.x, cursor.y));
}

void Tfrmuserinput::WriteFields(TCommand& step) {
  ApplyUserInputStep(CurrentKind(), Values(), step);
}

}  // namespace vx::editor
