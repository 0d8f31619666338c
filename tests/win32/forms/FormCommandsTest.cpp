// Commands apart from controls: menus, accelerators and toolbar buttons reach the form by
// id; the close query; Esc on a main form and on a dialog.
#include <gtest/gtest.h>

#include <vector>

#include "FormsRig.h"
#include "win32/forms/CommonControls.h"
#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::win32 {
namespace {

constexpr WORD CmdRun = FirstCommandId + 1;
constexpr WORD CmdSelectAll = FirstCommandId + 2;
constexpr WORD CmdEnter = FirstCommandId + 3;
constexpr WORD CmdRecent = FirstCommandId + 4;

const CommandDef Commands[] = {
    {.id = CmdRun,
     .caption = "Run",
     .hint = "Run seleted file",
     .shortcut = {0, VK_F5},
     .image = 0},
    {.id = CmdSelectAll,
     .caption = "Select All",
     .hint = "Select All Actions",
     .shortcut = {FCONTROL, 'A'},
     .image = 1},
};
const CommandDef DialogCommands[] = {
    {.id = CmdEnter, .caption = "Enter", .shortcut = {0, VK_RETURN}},
};
const MenuItemDef RecentItems[] = {{}};
const MenuItemDef FileItems[] = {
    {.command = CmdRun},
    {},
    {.command = CmdRecent, .caption = "Recent Files", .submenu = RecentItems},
    {.command = CmdSelectAll},
};
const MenuItemDef MainItems[] = {{.caption = "File", .submenu = FileItems}};
const ToolButtonDef Buttons[] = {{.command = CmdRun, .image = 0}, {}, {CmdSelectAll, 1}};

class CommandForm : public TForm {
 public:
  explicit CommandForm(FormRole role, HWND owner = nullptr) {
    const FormDef def = {.className = role == FormRole::Main ? "TVxCommandMain" : "TVxCommandDlg",
                         .caption = "Commands",
                         .width = 320,
                         .height = 200,
                         .role = role};
    CreateForm(def,
               {
                   {&bar},
                   {&txt, {.left = 8, .top = 40, .width = 120, .height = 21}},
                   {&cmdOk,
                    {.caption = "OK", .left = 8, .top = 70, .width = 60, .height = 24, .id = IDOK}},
                   {&status},
               },
               owner);
    cmdOk.OnClick = [this] { ++okClicks; };
  }

  std::vector<WORD> commands;
  int okClicks = 0;
  int closeQueries = 0;
  int closes = 0;
  bool allowClose = true;
  int refusals = 0;
  TToolBar bar;
  TEdit txt;
  TButton cmdOk;
  TStatusBar status;

 protected:
  bool OnCommand(WORD command) override {
    commands.push_back(command);
    return true;
  }
  bool CloseQuery() override {
    ++closeQueries;
    return allowClose && closeQueries > refusals;
  }
  void FormClose() override { ++closes; }
  void OnHint(const std::string& hint) override { status.ShowHint(hint); }
};

void PostKey(HWND to, UINT key) {
  ::PostMessageA(to, WM_KEYDOWN, key, 1);
  ::PostMessageA(to, WM_KEYUP, key, 0xC0000001);
}

// The pointer moved onto the middle of a rectangle of window's client area and on over it by
// a few pixels, as a user moves it (each event carries its own position: the X server may
// report a warp late, after the next one); returns once the moves have arrived.
void HoverWithPointer(HWND window, RECT client) {
  POINT at = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
  ::ClientToScreen(window, &at);
  const auto normal = [](LONG value, int metric) {
    const int size = ::GetSystemMetrics(metric);
    return static_cast<LONG>((value * 65536 + size - 1) / size);
  };
  INPUT moves[2]{};
  for (int i = 0; i < 2; ++i) {
    moves[i].type = INPUT_MOUSE;
    moves[i].mi.dx = normal(at.x - 2 + 2 * i, SM_CXSCREEN);
    moves[i].mi.dy = normal(at.y - 2 + 2 * i, SM_CYSCREEN);
    moves[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  ::SendInput(2, moves, sizeof(INPUT));
  PumpUntil([at] {
    POINT now{};
    return ::GetCursorPos(&now) && now.x == at.x && now.y == at.y;
  });
}

std::string MenuText(HMENU menu, int position) {
  char text[128] = {};
  ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

TEST(FormCommands, MenusAcceleratorsAndToolbarButtonsReachTheFormByTheirId) {
  CommandForm form(FormRole::Main);
  form.SetCommands(TCommandTable(Commands));
  form.SetMainMenu(MainItems);
  TImageList images;
  images.Create(16, 16);
  std::vector<std::uint32_t> pixels(256, 0xFF336699u);
  images.AddPixels(pixels);
  images.AddPixels(pixels);
  form.bar.SetImageList(images);
  form.bar.SetButtons(Buttons);
  form.Show();

  // The menu takes captions and shortcuts from the command table; a submenu is found by id.
  const HMENU file = ::GetSubMenu(::GetMenu(form.Handle()), 0);
  EXPECT_EQ(MenuText(file, 0), "Run\tF5");
  EXPECT_EQ(MenuText(file, 3), "Select All\tCtrl+A");
  EXPECT_EQ(form.MainMenu().SubMenu(CmdRecent), ::GetSubMenu(file, 2));

  // An accelerator works while the focus is in a control.
  form.txt.SetFocus();
  PostKey(form.txt.Handle(), VK_F5);
  ASSERT_TRUE(PumpUntil([&] { return !form.commands.empty(); }));
  EXPECT_EQ(form.commands, std::vector<WORD>{CmdRun});

  // A toolbar button sends its command, not a control's notification.
  RECT button{};
  ::SendMessageA(form.bar.Handle(), TB_GETRECT, CmdSelectAll, reinterpret_cast<LPARAM>(&button));
  const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  ::PostMessageA(form.bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageA(form.bar.Handle(), WM_LBUTTONUP, 0, at);
  ASSERT_TRUE(PumpUntil([&] { return form.commands.size() == 2; }));
  EXPECT_EQ(form.commands.back(), CmdSelectAll);

  // The status bar shows the hint of the menu item under the mouse, and its panels after.
  form.status.SetText(0, "Ready");
  ::SendMessageA(form.Handle(), WM_MENUSELECT, MAKEWPARAM(CmdRun, MF_HILITE),
                 reinterpret_cast<LPARAM>(file));
  EXPECT_EQ(form.status.PanelText(0), "Run seleted file");
  EXPECT_TRUE(::SendMessageA(form.status.Handle(), SB_ISSIMPLE, 0, 0));
  ::SendMessageA(form.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_FALSE(::SendMessageA(form.status.Handle(), SB_ISSIMPLE, 0, 0));
  EXPECT_EQ(form.status.PanelText(0), "Ready");

  // A toolbar button under the pointer shows its command's hint in the status bar, also
  // while the pointer moves on over it, and as its tip; the hint goes when the pointer moves
  // on to a control without one.
  ::SetForegroundWindow(form.Handle());
  ::SendMessageA(form.bar.Handle(), TB_GETRECT, CmdRun, reinterpret_cast<LPARAM>(&button));
  HoverWithPointer(form.bar.Handle(), button);
  EXPECT_TRUE(PumpUntil([&] { return form.status.PanelText(0) == "Run seleted file"; }));
  const HWND tip = reinterpret_cast<HWND>(::SendMessageA(form.bar.Handle(), TB_GETTOOLTIPS, 0, 0));
  const auto tipText = [tip] {
    char text[64] = {};
    ::GetWindowTextA(tip, text, sizeof text);
    return std::string(text);
  };
  EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip) && tipText() == "Run seleted file"; }))
      << tipText();
  RECT edit{};
  ::GetClientRect(form.txt.Handle(), &edit);
  HoverWithPointer(form.txt.Handle(), edit);
  EXPECT_TRUE(PumpUntil([&] { return form.status.PanelText(0) == "Ready"; }));
}

TEST(FormCommands, AnAcceleratorComesBeforeTheDialogKeys) {
  CommandForm form(FormRole::Dialog);
  form.SetCommands(TCommandTable(DialogCommands));
  form.Show();
  form.txt.SetFocus();
  // Enter would press the default button if the dialog keys came first.
  PostKey(form.txt.Handle(), VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return !form.commands.empty(); }));
  EXPECT_EQ(form.commands, std::vector<WORD>{CmdEnter});
  EXPECT_EQ(form.okClicks, 0);
}

TEST(FormCommands, ControlIdsAndCommandIdsNeverMeet) {
  CommandForm form(FormRole::Tool);
  EXPECT_LT(::GetDlgCtrlID(form.txt.Handle()), FirstCommandId);
  EXPECT_THROW(form.AddControl({&form.txt, {.id = CmdRun}}), std::logic_error);
  const CommandDef clash[] = {{.id = 100, .caption = "x"}};
  EXPECT_THROW(TCommandTable{clash}, std::logic_error);
  form.cmdOk.SetFocus();
  ::SendMessageA(form.cmdOk.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.okClicks, 1);
  EXPECT_TRUE(form.commands.empty());
}

TEST(FormCommands, EscNeverClosesAMainFormAndTheCloseQueryMayRefuse) {
  CommandForm form(FormRole::Main);
  form.Show();
  form.txt.SetFocus();
  PostKey(form.txt.Handle(), VK_ESCAPE);
  PostKey(form.Handle(), VK_ESCAPE);
  PumpPending();
  EXPECT_TRUE(form.Showing());
  EXPECT_EQ(form.closeQueries, 0);

  form.allowClose = false;
  form.Close();
  EXPECT_TRUE(form.Showing());
  EXPECT_EQ(form.closeQueries, 1);
  EXPECT_EQ(form.closes, 0);

  form.allowClose = true;
  form.Close();
  EXPECT_FALSE(form.Showing());
  EXPECT_EQ(form.closes, 1);
  // Closing the main form ends the message loop.
  MSG quit;
  EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(FormCommands, EscClosesADialogThroughItsCloseQuery) {
  CommandForm owner(FormRole::Tool);
  owner.Show();
  CommandForm dialog(FormRole::Dialog, owner.Handle());
  dialog.refusals = 1;  // the first close is refused: the modal loop goes on
  PostKey(dialog.txt.Handle(), VK_ESCAPE);
  PostKey(dialog.txt.Handle(), VK_ESCAPE);
  EXPECT_EQ(dialog.ShowModal(), IDCANCEL);
  EXPECT_EQ(dialog.closeQueries, 2);
  EXPECT_EQ(dialog.closes, 1);
  EXPECT_EQ(dialog.okClicks, 0);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
}

}  // namespace
}  // namespace vx::win32
