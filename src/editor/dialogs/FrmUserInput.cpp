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
  chkcapture.SetChecked(true);
  txtsendkeys.SetCapture(&capture_);
  std::vector<BoundControl> bound = {RadioGroup{{&rbmousemove, &rbmouseclick}}, &txtmousepos,
                                     &cmbclicktype, &txtsendkeys,
                                     RadioGroup{{&rbsendkeyschar, &rbsendkeysall}}};
  ShowControls(bound, InitialValues(UserInputMapping, UserInputControlCount));
  BindMapping(UserInputMapping, std::move(bound));
  pages_.Assign(
      {{&rbmousemove, &lblmousepos, &lblposhint, &txtmousepos, &rbmouseclick, &lblclicktype,
        &cmbclicktype},
       {&lblsendkeys, &txtsendkeys, &chkcapture, &lbloptions, &rbsendkeyschar, &rbsendkeysall}});
  pages_.Show(static_cast<int>(UserInputPage::Mouse));
  gotomouse.OnClick = [this] { LinkClicked(UserInputPage::Mouse); };
  gotokeyboard.OnClick = [this] { LinkClicked(UserInputPage::Keyboard); };
  // A radio button's click acts only when it checks the button.
  rbmousemove.OnClick = [this] { SetCurrentKind(MouseActionKinds[0]); };
  rbmouseclick.OnClick = [this] { SetCurrentKind(MouseActionKinds[1]); };
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

void Tfrmuserinput::FillControls() {
  capture_.StepShown(ShownStep().kind);
  ShowMappedStep();
  if (const auto view = UserInputViewOf(ShownStep().kind)) ShowView(*view);
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
  ApplyMappedStep(step);
}

}  // namespace vx::editor
