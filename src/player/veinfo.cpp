#include "player/veinfo.h"

#include "player/vemain.h"
#include "win32/forms/Application.h"
#include "win32/system/Registry.h"

namespace vx::player {

std::unique_ptr<Tfrminfo> frminfo;

namespace {

using win32::ControlDef;
using win32::ControlKind;
using win32::FontDef;

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr int Width = 300;
constexpr int ExtendedHeight = 200;
constexpr int CompactHeight = 75;

const win32::FormDef InfoForm = {"Tfrminfo", "Info Window",      301,          202, WS_POPUP,
                                 0,          RGB(179, 185, 195), {"Tahoma", 8}};

const ControlDef InfoControls[] = {
    {ControlKind::Gradient, "grd", "", 0, 0, 301, 202},
    {ControlKind::Label, "Label1", "Executing:", 16, 16, 0, 0, 0, {"Tahoma", 10, true, Black}},
    {ControlKind::Label,
     "lblstep",
     "Step <step>  of <count>:  <actions>",
     40,
     40,
     0,
     0,
     0,
     {"Tahoma", 10, false, Black}},
    {ControlKind::Image, "Image1", "IMAGE1", 12, 36, 25, 25},
    {ControlKind::ListBox, "lstlog", "", 40, 72, 241, 113, LBS_NOINTEGRALHEIGHT, {"Tahoma", 9}},
};

}  // namespace

void Tfrminfo::Create() {
  CreateForm(InfoForm, InfoControls);
  GradientSettings shade;
  shade.red1 = shade.green1 = shade.blue1 = 241;
  shade.red2 = shade.green2 = shade.blue2 = 245;
  Gradient("grd").Assign(shade);
  ::SendMessageA(Control("lstlog"), LB_SETITEMHEIGHT, 0, Scale(14));
}

bool Tfrminfo::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
  if (message != RunScriptMessageId) return false;
  RunScriptMessage();
  result = 0;
  return true;
}

void Tfrminfo::FormShow() {
  if (shown_) return;
  shown_ = true;
  try {
    extended_ = win32::RegistryReader(HKEY_CURRENT_USER, win32::SettingsKey)
                    .ReadBoolOr("vpExtended", false);
  } catch (...) {
    // A setting that cannot be read only changes the look: the error is reported and the
    // run goes on in the compact window.
    win32::Application().HandleException();
  }
  if (!extended_) SetVisible("lstlog", false);
  PlaceWindow();
  ::PostMessageA(Handle(), RunScriptMessageId, 0, 0);
}

void Tfrminfo::PlaceWindow() {
  const int height = extended_ ? ExtendedHeight : CompactHeight;
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  ::SetWindowPos(Handle(), nullptr, work.right - Scale(Width), work.bottom - Scale(height),
                 Scale(Width), Scale(height), SWP_NOZORDER | SWP_NOACTIVATE);
  SetControlBounds("grd", 1, 1, Width - 1, height - 1);
}

void Tfrminfo::OnDpiChanged() {
  ::SendMessageA(Control("lstlog"), LB_SETITEMHEIGHT, 0, Scale(14));
  if (shown_) PlaceWindow();
}

void Tfrminfo::RunScriptMessage() {
  if (Program().HasScript())
    RunScript(Program().ScriptPath());
  else
    ShowNoParameters();
  Close();
}

}  // namespace vx::player
