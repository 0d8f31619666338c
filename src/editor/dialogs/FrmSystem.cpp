#include "editor/dialogs/FrmSystem.h"

#include "editor/dialogs/BrowseDialogs.h"

namespace vx::editor {

namespace {

const StepDialogFrame SystemFrame = {
    .className = "Tfrmsystem",
    .caption = "System",
    .width = 456,
    .height = 330,
    .heading = "System Options",
};

constexpr int BoxWidth = 280;

win32::ControlDef LabelAt(const char* caption, int left, int top, int width = BoxWidth) {
  return {.caption = caption, .left = left, .top = top, .width = width, .height = 14};
}
win32::ControlDef BoxAt(int left, int top, int width = BoxWidth) {
  return {.left = left, .top = top, .width = width, .height = 21};
}
win32::ControlDef RadioAt(const char* caption, int top, DWORD style = 0, int width = 200) {
  return {.caption = caption,
          .left = 16,
          .top = top,
          .width = width,
          .height = 17,
          .style = style | WS_TABSTOP};
}

}  // namespace

void Tfrmsystem::Create(HWND owner) {
  const win32::ControlDef page = PageDef(SystemFrame);
  const int linksTop = PageLinksTop(SystemFrame, static_cast<int>(links.size()));
  std::vector<win32::ControlSlot> slots;
  for (std::size_t i = 0; i < links.size(); ++i)
    slots.push_back(
        {&links[i], PageLinkDef(SystemFrame, SystemLinks[i].caption,
                                linksTop + static_cast<int>(i) * (PageLinkHeight + 2))});
  for (win32::TPanel* panel : {&tsexit, &tsdll, &tsspeed, &tswait, &tsvariable})
    slots.push_back({panel, page});
  slots.push_back({&lblaction, LabelAt("Action:", 8, 8), &tsexit});
  for (std::size_t i = 0; i < exitChoices.size(); ++i)
    slots.push_back({&exitChoices[i],
                     RadioAt(SystemExitChoices[i].caption, 28 + static_cast<int>(i) * 22,
                             i == 0 ? WS_GROUP : 0),
                     &tsexit});
  const std::initializer_list<win32::ControlSlot> dll = {
      {&lblfunction, LabelAt("Function:", 8, 8), &tsdll},
      {&txtdllfunction, BoxAt(8, 24), &tsdll},
      {&lblfromdll, LabelAt("From DLL:", 8, 56), &tsdll},
      {&rbdllkernel, RadioAt("kernel32.dll", 74, WS_GROUP), &tsdll},
      {&rbdlluser, RadioAt("user32.dll", 94), &tsdll},
      {&rbdllgdi, RadioAt("gdi32.dll", 114), &tsdll},
      {&rbdllother, RadioAt("Other:", 136, 0, 60), &tsdll},
      {&txtdllother, BoxAt(78, 134, 180), &tsdll},
      {&cmddllother, BrowseButtonDef(78, 134, 180), &tsdll},
      {&lblspeed, LabelAt("Execution Speed:", 8, 8), &tsspeed},
      {&lblspeedunit, LabelAt("(millisecond, default is 500):", 8, 26), &tsspeed},
      {&txtspeed, BoxAt(8, 44, 120), &tsspeed},
      {&lblwait, LabelAt("Wait For (millisecond):", 8, 8), &tswait},
      {&txtwait, BoxAt(8, 26, 120), &tswait},
      {&lblvarname, LabelAt("Variable Name:", 8, 8), &tsvariable},
      {&txtvarname, BoxAt(8, 26), &tsvariable},
      {&lblvarvalue, LabelAt("Value:", 8, 58), &tsvariable},
      {&txtvarvalue, BoxAt(8, 76), &tsvariable},
  };
  slots.insert(slots.end(), dll.begin(), dll.end());
  CreateStepDialog(SystemFrame, owner, slots);
  KeepDescriptionAbove(*this, SystemFrame, linksTop);
  for (std::size_t i = 0; i < links.size(); ++i) {
    StylePageLink(links[i]);
    links[i].OnClick = [this, i] { LinkClick(SystemLinks[i]); };
  }
  for (std::size_t i = 0; i < exitChoices.size(); ++i)
    exitChoices[i].OnClick = [this, i] { SetCurrentKind(SystemExitChoices[i].kind); };
  cmddllother.OnClick = [this] { cmddllotherClick(); };
  BindMapping(SystemMapping,
              {RadioGroup{{&exitChoices[0], &exitChoices[1], &exitChoices[2], &exitChoices[3],
                           &exitChoices[4]}},
               &txtdllfunction, RadioGroup{{&rbdllkernel, &rbdlluser, &rbdllgdi, &rbdllother}},
               NameBox{&txtdllother, &rbdllother}, &txtspeed, &txtwait, &txtvarname, &txtvarvalue});
  ShowPage(std::array<win32::TPanel*, 5>{&tsexit, &tsdll, &tsspeed, &tswait, &tsvariable},
           static_cast<int>(page_));
}

void Tfrmsystem::FillControls() {
  ShowMappedStep();
  ShowView(SystemViewOf(ShownStep().kind));
}

void Tfrmsystem::ShowView(const SystemView& view) {
  page_ = view.page;
  ShowPage(std::array<win32::TPanel*, 5>{&tsexit, &tsdll, &tsspeed, &tswait, &tsvariable},
           static_cast<int>(view.page));
  SetCurrentKind(view.kind);
  SetHeading(view.title, view.description);
}

void Tfrmsystem::LinkClick(const SystemLink& link) {
  ShowView(SystemLinkClick(link, CurrentKind()));
}

void Tfrmsystem::WriteFields(TCommand& step) {
  ApplyMappedStep(step);
}

void Tfrmsystem::cmddllotherClick() {
  const auto chosen = ChooseFile(Handle(), {.filter = "DLL File (*.dll)|*.dll|All File (*.*)|*.*"});
  if (chosen) txtdllother.SetText(*chosen);
}

}  // namespace vx::editor
