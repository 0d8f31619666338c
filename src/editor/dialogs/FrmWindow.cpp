#include "editor/dialogs/FrmWindow.h"

#include <string>

#include "core/StepKinds.h"

namespace vx::editor {

namespace {

constexpr int Width = 440;
constexpr int Height = 300;
constexpr int BandWidth = 137;

const StepDialogFrame WindowFrame = {
    .className = "Tfrmwindow",
    .caption = "Window Actions",
    .width = Width,
    .height = Height,
    .bandWidth = BandWidth,
    .heading = "Window Actions",
};

win32::ControlDef Radio(const char* caption, int top, DWORD style = WS_TABSTOP) {
  return {.caption = caption, .left = 170, .top = top, .width = 200, .height = 17, .style = style};
}

}  // namespace

void Tfrmwindow::Create(HWND owner) {
  CreateStepDialog(
      WindowFrame, owner,
      {
          {&gotomsg, PageLinkDef("  Show Message ", BandWidth, Height, 1)},
          {&gotowindow, PageLinkDef("  Window States", BandWidth, Height, 0)},
          {&lblwindow, {.caption = "Window:", .left = 153, .top = 42}},
          {&txtwindowname, {.left = 153, .top = 58, .width = 240, .height = 21}},
          {&imgwindowfind, {.left = 403, .top = 60, .width = 17, .height = 17}},
          {&lblfindhint,
           {.caption = "(Drag the finder over a window to take its name)", .left = 153, .top = 82}},
          {&lblaction, {.caption = "Action:", .left = 153, .top = 104}},
          {&rbwindowactivate, Radio("Activate", 122, WS_GROUP | WS_TABSTOP)},
          {&rbwindowmin, Radio("Minimize", 141)},
          {&rbwindowmax, Radio("Maximize", 160)},
          {&rbwindowclose, Radio("Close", 179)},
          {&rbwindowkill, Radio("Kill", 198)},
          {&rbwindowdesktop, Radio("Show Desktop", 217)},
          {&rbwindowcloseall, Radio("Close All Windows", 236)},
          {&lblmsgtext, {.caption = "Message:", .left = 153, .top = 42}},
          {&txtmsgtext, {.left = 153, .top = 58, .width = 267, .height = 21, .style = WS_GROUP}},
          {&lblmsgtype, {.caption = "Type:", .left = 153, .top = 90}},
          {&cmbmsgtype, {.left = 153, .top = 106, .width = 160, .height = 120}},
      });
  StylePageLink(gotomsg);
  StylePageLink(gotowindow);
  for (std::string_view type : MessageTypes) cmbmsgtype.Add(std::string(type));
  pages_.Assign({{&lblwindow, &txtwindowname, &imgwindowfind, &lblfindhint, &lblaction,
                  &rbwindowactivate, &rbwindowmin, &rbwindowmax, &rbwindowclose, &rbwindowkill,
                  &rbwindowdesktop, &rbwindowcloseall},
                 {&lblmsgtext, &txtmsgtext, &lblmsgtype, &cmbmsgtype}});
  pages_.Show(static_cast<int>(WindowPage::Window));
  gotomsg.OnClick = [this] { LinkClicked(WindowPage::Message); };
  gotowindow.OnClick = [this] { LinkClicked(WindowPage::Window); };
  for (std::uint8_t kind = ckCloseAllWindows; kind <= ckActivateWindow; ++kind)
    RadioOf(kind)->OnClick = [this, kind] { RadioClicked(kind); };
  imgwindowfind.OnWindowFound = [this](const std::string& name) { txtwindowname.SetText(name); };
}

win32::TRadioButton* Tfrmwindow::RadioOf(std::uint8_t kind) {
  switch (kind) {
    case ckActivateWindow:
      return &rbwindowactivate;
    case ckMinimizeWindow:
      return &rbwindowmin;
    case ckMaximizeWindow:
      return &rbwindowmax;
    case ckCloseWindow:
      return &rbwindowclose;
    case ckKillWindow:
      return &rbwindowkill;
    case ckShowDesktop:
      return &rbwindowdesktop;
    case ckCloseAllWindows:
      return &rbwindowcloseall;
    default:
      return nullptr;
  }
}

WindowValues Tfrmwindow::Values() const {
  WindowValues values;
  values.windowName = txtwindowname.Text();
  values.windowAction = shownValues_.windowAction;
  values.messageText = txtmsgtext.Text();
  values.messageType = cmbmsgtype.ItemIndex();
  return values;
}

void Tfrmwindow::FillControls() {
  imgwindowfind.Reset();
  shownValues_ = Values();
  const WindowShown shown = ShowWindowStep(ShownStep(), CurrentKind(), shownValues_);
  SetCurrentKind(shown.currentKind);
  txtwindowname.SetText(shownValues_.windowName);
  txtmsgtext.SetText(shownValues_.messageText);
  cmbmsgtype.SetItemIndex(shownValues_.messageType);
  for (std::uint8_t k = ckCloseAllWindows; k <= ckActivateWindow; ++k)
    RadioOf(k)->SetChecked(k == shownValues_.windowAction);
  if (shown.view) ShowView(*shown.view);
}

void Tfrmwindow::ShowView(const WindowPageView& view) {
  pages_.Show(static_cast<int>(view.page));
  SetHeading(view.title, view.description);
}

void Tfrmwindow::LinkClicked(WindowPage page) {
  std::uint8_t kind = CurrentKind();
  const WindowPageView view = FollowWindowLink(page, kind);
  SetCurrentKind(kind);
  ShowView(view);
}

void Tfrmwindow::RadioClicked(std::uint8_t kind) {
  if (!RadioOf(kind)->Checked()) return;
  std::uint8_t current = CurrentKind();
  CheckWindowAction(shownValues_, kind, current);
  SetCurrentKind(current);
}

void Tfrmwindow::WriteFields(TCommand& step) {
  ApplyWindowStep(CurrentKind(), Values(), step);
}

}  // namespace vx::editor
