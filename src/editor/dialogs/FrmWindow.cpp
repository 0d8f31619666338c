#include "editor/dialogs/FrmWindow.h"

#include <array>
#include <string>
#include <vector>

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
  BindControls();
  imgwindowfind.OnWindowFound = [this](const std::string& name) { txtwindowname.SetText(name); };
}

void Tfrmwindow::BindControls() {
  const std::array<win32::TRadioButton*, 7> buttons = {
      &rbwindowactivate, &rbwindowmin,     &rbwindowmax,     &rbwindowclose,
      &rbwindowkill,     &rbwindowdesktop, &rbwindowcloseall};
  BindMapping(WindowMapping,
              {&txtwindowname,
               RadioGroup{std::vector<win32::TRadioButton*>(buttons.begin(), buttons.end())},
               &txtmsgtext, &cmbmsgtype});
  // A button runs its click only as it becomes checked: a click on the button left checked
  // from an earlier showing keeps a Show Message step one.
  for (std::size_t i = 0; i < buttons.size(); ++i)
    buttons[i]->OnClick = [this, i] { SetCurrentKind(WindowKinds[i]); };
}

void Tfrmwindow::FillControls() {
  imgwindowfind.Reset();
  ShowMappedStep();
  if (const auto view = WindowViewOf(ShownStep().kind)) ShowView(*view);
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

void Tfrmwindow::WriteFields(TCommand& step) {
  ApplyMappedStep(step);
}

}  // namespace vx::editor
