#include "editor/dialogs/FrmSelectObject.h"

#include "core/editor/dialogs/SizeBox.h"
#include "editor/dialogs/BrowseDialogs.h"
#include "win32/system/Win32Clipboard.h"

namespace vx::editor {

namespace {

constexpr COLORREF White = RGB(255, 255, 255);

const win32::FormDef SelectObjectForm = {
    .className = "Tfrmselectobject",
    .caption = "Select Object",
    .width = 410,
    .height = 252,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    .exStyle = WS_EX_DLGMODALFRAME,
    .font = {"Tahoma", 8},
    .role = win32::FormRole::Dialog,
};

constexpr const char* Help =
    "Choose which item to include. They can be static or dynamic. For example if you want to "
    "select a specific file(ie sample.txt), just type \"sample.txt\" in the name field. If you "
    "want the items to be whatever files with a txt extension, type txt in the file type field "
    "and leave the rest blank. You can consider this form as a search result.";

win32::ControlDef Box(int left, int top, int width) {
  return {.left = left, .top = top, .width = width, .height = 21};
}

}  // namespace

bool TSizeEdit::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_CHAR && !SizeBoxTakesKey(static_cast<char>(wParam))) {
    result = 0;
    return true;
  }
  if (message == WM_PASTE) {
    win32::Win32Clipboard clipboard;
    std::string pasted;
    if (clipboard.Open()) {
      pasted = clipboard.GetText();
      clipboard.Close();
    }
    const std::string digits = SizeBoxPaste(pasted);
    ::SendMessageA(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(digits.c_str()));
    result = 0;
    return true;
  }
  return TEdit::OnWindowMessage(message, wParam, lParam, result);
}

void Tfrmselectobject::Create(HWND owner) {
  CreateForm(
      SelectObjectForm,
      {
          {&Gradient1, {.width = 137, .height = 252}},
          {&Label6,
           {.caption = "Select Object",
            .left = 8,
            .top = 10,
            .font = {.face = "Tahoma", .points = 12, .color = White}}},
          {&lblinfo,
           {.caption = Help,
            .left = 8,
            .top = 36,
            .width = 121,
            .height = 210,
            .font = {.face = "Tahoma", .points = 8, .color = White}}},
          {&lblname, {.caption = "All or part of the item name:", .left = 145, .top = 10}},
          {&txtfname, Box(145, 26, 257)},
          {&lbllocation, {.caption = "Located in:", .left = 145, .top = 54}},
          {&txtflocation, Box(145, 70, 232)},
          {&cmdbrowsefolder, {.caption = "...", .left = 379, .top = 70, .width = 23, .height = 21}},
          {&lblextension,
           {.caption = "With a file type of (comma seperated):", .left = 145, .top = 98}},
          {&txtfextension, Box(145, 114, 257)},
          {&lblsize,
           {.caption = "With a file size between(leave empty for all sizes):",
            .left = 145,
            .top = 142}},
          {&txtfsizelow, Box(145, 158, 40)},
          {&lblsizeand, {.caption = "KB, and: ", .left = 189, .top = 161}},
          {&txtfsizehigh, Box(235, 158, 40)},
          {&lblsizeend, {.caption = "KB.", .left = 279, .top = 161}},
          {&Cmdok,
           {.caption = "OK",
            .left = 245,
            .top = 219,
            .width = 75,
            .height = 25,
            .style = WS_GROUP,
            .id = IDOK}},
          {&CmdCancel,
           {.caption = "Cancel",
            .left = 327,
            .top = 219,
            .width = 75,
            .height = 25,
            .id = IDCANCEL}},
      },
      owner);
  Gradient1.Gradient().Assign(GradientSettings{});
  Cmdok.OnClick = [this] { CmdokClick(); };
  CmdCancel.OnClick = [this] { EndModal(IDCANCEL); };
  cmdbrowsefolder.OnClick = [this] { cmdbrowsefolderClick(); };
  boxes_ = {NameBox{&txtfname, &lblname}, NameBox{&txtflocation, &lbllocation},
            NameBox{&txtfextension, &lblextension}, &txtfsizelow, &txtfsizehigh};
}

std::optional<std::string> Tfrmselectobject::Edit(const std::string& criteria) {
  CriteriaText = criteria;
  CenterOnOwner();
  if (ShowModal() != IDOK) return std::nullopt;
  return CriteriaText;
}

void Tfrmselectobject::FormShow() {
  ShowControls(boxes_, CriteriaBoxesFrom(CriteriaText));
  txtfname.SetFocus();
}

void Tfrmselectobject::CmdokClick() {
  // A name the ANSI code page cannot hold would select its look-alike (and "?" in its place
  // is a wildcard to the search).
  if (RefuseUnheldText(*this, CriteriaMapping, CriteriaKind, boxes_)) return;
  const CriteriaBoxes boxes = ReadControls(boxes_);
  if (const auto refused = CheckCriteriaBoxes(boxes)) {
    ::MessageBoxA(Handle(), refused->text.c_str(), refused->caption.c_str(),
                  MB_OK | MB_ICONWARNING);
    (refused->box == SizeBound::Lower ? txtfsizelow : txtfsizehigh).SetFocus();
    return;
  }
  CriteriaText = CriteriaTextOf(boxes);
  EndModal(IDOK);
}

void Tfrmselectobject::cmdbrowsefolderClick() {
  if (const auto folder = BrowseFromFolder(Handle(), txtflocation.ExactText().value_or(""))) {
    txtflocation.SetText(*folder);
    txtflocation.SelectAll();
  }
}

}  // namespace vx::editor
