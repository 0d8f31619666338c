// The main window's make-up, its commands and menus, and its start and close.
#include "editor/main/FrmMain.h"

#include <array>

#include "core/editor/document/DocumentNames.h"
#include "editor/main/MainImages.h"
#include "win32/forms/Application.h"
#include "win32/system/AnsiPath.h"

namespace vx::editor {

UINT CommandFormat = 0;
std::unique_ptr<Tfrmmain> frmmain;

namespace {

// Posted by the first show: open the command line's file.
constexpr UINT OpenStartFileMessage = win32::FirstFormMessage;

using win32::CommandDef;
using win32::MenuItemDef;
using win32::Shortcut;
using win32::ToolButtonDef;

// The command icons, in the order of the strip commands16.bmp.
enum CommandImage {
  imgNew,
  imgOpen,
  imgSave,
  imgSaveAs,
  imgRun,
  imgRunSelected,
  imgExit,
  imgCut,
  imgCopy,
  imgPaste,
  imgDelete,
  imgSelectAll,
  imgEnable,
  imgMoveUp,
  imgMoveDown,
  imgComment,
  imgAbout,
  imgHomepage,
  imgPreferences,
  imgReport,
};

constexpr Shortcut Ctrl(char key) {
  return {FCONTROL, static_cast<WORD>(key)};
}

const std::array<CommandDef, 22> MainCommands = {{
    {acNew, "New ", "Create a new vorlix file", {}, imgNew},
    {acOpen, "Open", "Open an Exisiting vorlix file", Ctrl('O'), imgOpen},
    {acSave, "Save", "Save current file", Ctrl('S'), imgSave},
    {acSaveAs, "Save As", "Save As Current File", {}, imgSaveAs},
    {acRun, "Run", "Run seleted file", {0, VK_F5}, imgRun},
    {acRunSelected,
     "Run Selected",
     "Run Selected Items,  Items must be in raw",
     {},
     imgRunSelected},
    {acExit, "Exit", "Exit Vorlix", {}, imgExit},
    {acCutAction, "Cut Action", "Cut Selected Item(s)", {}, imgCut},
    {acCopyAction, "Copy Action", "Copy Selected Item(s)", {}, imgCopy},
    {acPasteAction, "Paste Action", "Paste Selected Item(s)", {}, imgPaste},
    {acDeleteAction, "Delete Action", "Delete Selected Item(s)", {}, imgDelete},
    {acSelectAll, "Select All", "Select All Actions", Ctrl('A'), imgSelectAll},
    {acEnable, "Enable/Disable Item(s)", "Enable or Disable selected actions.", {}, imgEnable},
    {acMoveUp, "Move Up", "Move selected items on step up", {}, imgMoveUp},
    {acMoveDown, "Move Down", "Move selected items on step down", {}, imgMoveDown},
    {acComment, "Add/Edit Comment", "Add or Edit the comment of an action", {}, imgComment},
    {acAbout, "About Vorlix", "", {}, imgAbout},
    {acHomepage, "Visit Homepage", "", {}, imgHomepage},
    {mPreferences, "Preferences", "", {}, imgPreferences},
    {mReport, "Report Errors, Suggestions", "", {}, imgReport},
    {pActionProperties, "Properties", "", {}, -1},
    // Built as a plain item and given its submenu when the recent files are set up.
    {mRecent, "Recent Files"},
}};

const win32::TCommandTable& CommandTable() {
  static const win32::TCommandTable table(MainCommands);
  return table;
}

constexpr MenuItemDef Separator{};

const MenuItemDef FileMenu[] = {
    {acNew},   {acOpen},  Separator,      {acSave},  {acSaveAs}, Separator,
    {mRecent}, Separator, {mPreferences}, Separator, {acExit},
};
const MenuItemDef EditMenu[] = {
    {acComment},      Separator,     {acEnable},     {acMoveUp},      {acMoveDown},
    Separator,        {acCutAction}, {acCopyAction}, {acPasteAction}, Separator,
    {acDeleteAction}, Separator,     {acSelectAll},
};
const MenuItemDef RunMenu[] = {{acRun}, {acRunSelected}};
const MenuItemDef HelpMenu[] = {{acHomepage}, {mReport}, Separator, {acAbout}};
const MenuItemDef MainMenuItems[] = {
    {mFile, "File", FileMenu},
    {mEdit, "Edit", EditMenu},
    {mRun, "Run", RunMenu},
    {mHelp, "Help", HelpMenu},
};
const MenuItemDef PopupMenuItems[] = {
    {acComment}, Separator,     {acEnable},     {acMoveUp},          {acMoveDown},
    Separator,   {acCutAction}, {acCopyAction}, {acPasteAction},     {acDeleteAction},
    Separator,   {acSelectAll}, Separator,      {pActionProperties},
};

const ToolButtonDef ToolButtons[] = {
    {acNew, imgNew},
    {acOpen, imgOpen},
    {acSave, imgSave},
    {},
    {acCutAction, imgCut},
    {acCopyAction, imgCopy},
    {acPasteAction, imgPaste},
    {},
    {acEnable, imgEnable},
    {acMoveUp, imgMoveUp},
    {acMoveDown, imgMoveDown},
    {acDeleteAction, imgDelete},
    {},
    {acComment, imgComment},
    {},
    {acRun, imgRun},
    {acRunSelected, imgRunSelected},
};

const win32::FormDef MainForm = {
    .className = "Tfrmmain",
    .caption = kProgramTitle,
    .width = 507,
    .height = 435,
    .font = {"Tahoma", 8},
    .role = win32::FormRole::Main,
};

constexpr win32::FontDef HeadingFont = {.face = "Verdana", .points = 8};

}  // namespace

Tfrmmain::Tfrmmain() = default;
Tfrmmain::~Tfrmmain() = default;

void Tfrmmain::Create() {
  MakeUp();
  layoutDpi_ = Dpi();
  RestoreGeometry();
  CommandFormat = ::RegisterClipboardFormatA("VorlixCommand");
  CreateRecentFiles();
  document_ = std::make_unique<DocumentSession>(static_cast<DocumentUi&>(*this), files_, *rfmain);
  document_->StartEmpty();
  LayOutPanels();
}

void Tfrmmain::MakeUp() {
  SetCommands(CommandTable());
  // The panels' children are placed once their panels exist, so two steps.
  CreateForm(MainForm, {
                           {&Tbmain, {.style = CCS_TOP}},
                           {&pnlActions, {.width = 208, .height = 400}},
                           {&spltmain, {.left = 208, .width = 5, .height = 400}},
                           {&pnlList, {.left = 213, .width = 300, .height = 400}},
                           {&sbmain, {}},
                       });
  AddControl({&brectactions,
              {.caption = "Available Actions", .top = 4, .height = 20, .font = HeadingFont},
              &pnlActions});
  AddControl({&Tvmain, {.left = 2, .top = 24, .width = 206, .height = 300}, &pnlActions});
  AddControl({&bvlsearchtv, {.left = 2, .width = 200, .height = 2}, &pnlActions});
  AddControl(
      {&lblsearchtv, {.caption = "Search:", .left = 8, .width = 40, .height = 14}, &pnlActions});
  AddControl({&txtsearchtv, {.left = 48, .width = 150, .height = 21}, &pnlActions});
  AddControl({&brectlist,
              {.caption = "Selected Actions", .top = 4, .height = 20, .font = HeadingFont},
              &pnlList});
  AddControl({&hdmain, {.left = 2, .top = 24, .width = 250, .height = 20}, &pnlList});
  AddControl(
      {&lstmain,
       {.left = 2, .top = 44, .width = 250, .height = 300, .font = {.face = "Tahoma", .points = 9}},
       &pnlList});

  SetMainMenu(MainMenuItems);
  mpopup.Build(CommandTable(), PopupMenuItems, true);
  LoadImages();
  Tbmain.SetButtons(ToolButtons);
  const int panels[] = {50};
  sbmain.SetPanels(panels);
  sbmain.SetText(0, "Ready");

  hdmain.AddSection("Action", Scale(200));
  hdmain.AddSection("#", Scale(50));
  spltmain.OnMoved = [this](int left) { spltmainMoved(left); };
  lstmain.OnContextMenu = [this](POINT screen) {
    win32::ShowPopupMenu(mpopup, *this, screen, &lstmain);
  };
  SetUpTree();
  SetUpList();
}

void Tfrmmain::LoadImages() {
  ImgLstmbar = LoadImageStrip("COMMANDS16", 16, Dpi());
  imglst16 = LoadImageStrip("TREE16", 16, Dpi());
  imglst24 = LoadImageStrip("STEPS24", 24, Dpi());
  Tbmain.SetImageList(ImgLstmbar);
  Tvmain.SetImageList(imglst16);
}

// The kept widths are pixels: on another monitor's DPI they keep their size to the eye.
void Tfrmmain::OnDpiChanged() {
  const auto rescale = [this](int pixels) {
    return ::MulDiv(pixels, static_cast<int>(Dpi()), static_cast<int>(layoutDpi_));
  };
  actionsWidth_ = rescale(actionsWidth_);
  for (int section = 0; section < hdmain.SectionCount(); ++section)
    hdmain.SetSectionWidth(section, rescale(hdmain.SectionWidth(section)));
  layoutDpi_ = Dpi();
  LoadImages();
  LayOutPanels();
}

void Tfrmmain::FormShow() {
  if (startFile_) ::PostMessageA(Handle(), OpenStartFileMessage, 0, 0);
}

// The command line's file is opened once the window is up, so that an error about it is
// shown over the window. A name the ANSI code page cannot hold is refused there, and the
// document stays the empty one the window started with.
bool Tfrmmain::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != OpenStartFileMessage) return SessionMessage(message, wParam, result);
  result = 0;
  if (!startFile_) return true;
  const std::wstring file = std::move(*startFile_);
  startFile_.reset();
  document_->StartWith(win32::AnsiPath(file, win32::PathUse::Open));
  return true;
}

bool Tfrmmain::OnCommand(WORD command) {
  if (command >= mRecentFirst && command <= mRecentLast) {
    rfmainClickRecentItem(command);
    return true;
  }
  // Which handler each command runs; menus, accelerators and toolbar buttons all send these.
  static constexpr struct {
    WORD command;
    void (Tfrmmain::*handler)();
  } Handlers[] = {
      {acNew, &Tfrmmain::acNewExecute},
      {acOpen, &Tfrmmain::acOpenExecute},
      {acSave, &Tfrmmain::acSaveExecute},
      {acSaveAs, &Tfrmmain::acSaveAsExecute},
      {acRun, &Tfrmmain::acRunExecute},
      {acRunSelected, &Tfrmmain::acRunSelectedExecute},
      {acExit, &Tfrmmain::acExitExecute},
      {acCutAction, &Tfrmmain::acCutActionExecute},
      {acCopyAction, &Tfrmmain::acCopyActionExecute},
      {acPasteAction, &Tfrmmain::acPasteActionExecute},
      {acDeleteAction, &Tfrmmain::acDeleteActionExecute},
      {acSelectAll, &Tfrmmain::acSelectAllExecute},
      {acEnable, &Tfrmmain::acEnableExecute},
      {acMoveUp, &Tfrmmain::acMoveUpExecute},
      {acMoveDown, &Tfrmmain::acMoveDownExecute},
      {acComment, &Tfrmmain::acCommentExecute},
      {acAbout, &Tfrmmain::acAboutExecute},
      {acHomepage, &Tfrmmain::acHomepageExecute},
      {mPreferences, &Tfrmmain::mPreferencesClick},
      {mReport, &Tfrmmain::mReportClick},
      {pActionProperties, &Tfrmmain::lstmainDblClick},
  };
  for (const auto& entry : Handlers) {
    if (entry.command != command) continue;
    (this->*entry.handler)();
    return true;
  }
  return false;
}

void Tfrmmain::acExitExecute() {
  Close();
}

bool Tfrmmain::CloseQuery() {
  return document_->CloseQuery();
}

// The geometry is a convenience: a registry that refuses it is reported, and the window
// closes all the same (else every close would fail again).
void Tfrmmain::FormClose() {
  try {
    StoreGeometry();
  } catch (...) {
    win32::Application().HandleException();
  }
}

}  // namespace vx::editor
