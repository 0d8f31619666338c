#include "player/veinfo.h"

#include "player/vemain.h"
#include "win32/forms/Application.h"
#include "win32/system/Registry.h"

namespace vx::player {

std::unique_ptr<Tfrminfo> frminfo;

namespace {

using win32::FontDef;

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr int Width = 300;
constexpr int ExtendedHeight = 200;
constexpr int CompactHeight = 75;

const win32::FormDef InfoForm = {
    .className = "Tfrminfo",
    .caption = "Info Window",
    .width = 301,
    .height = 202,
    .style = WS_POPUP,
    .background = RGB(179, 185, 195),
    .font = {"Tahoma", 8},
    .role = win32::FormRole::Main,
};

}  // namespace

void Tfrminfo::Create() {
  CreateForm(InfoForm,
             {
                 {&grd, {.width = 301, .height = 202}},
                 {&Label1,
                  {.caption = "Executing:",
                   .left = 16,
                   .top = 16,
                   .font = {.face = "Tahoma", .points = 10, .bold = true, .color = Black}}},
                 {&lblstep,
                  {.caption = "Step <step>  of <count>:  <actions>",
                   .left = 40,
                   .top = 40,
                   .font = {.face = "Tahoma", .points = 10, .color = Black}}},
                 {&Image1, {.caption = "IMAGE1", .left = 12, .top = 36, .width = 25, .height = 25}},
                 {&lstlog,
                  {.left = 40,
                   .top = 72,
                   .width = 241,
                   .height = 113,
                   .style = LBS_NOINTEGRALHEIGHT,
                   .font = {.face = "Tahoma", .points = 9}}},
             });
  GradientSettings shade;
  shade.red1 = shade.green1 = shade.blue1 = 241;
  shade.red2 = shade.green2 = shade.blue2 = 245;
  grd.Gradient().Assign(shade);
  lstlog.SetItemHeight(14);
}

void Tfrminfo::ShowStep(const std::string& caption) {
  lblstep.SetCaption(caption);
}

void Tfrminfo::ProcessMessages() {
  win32::Application().ProcessMessages();
}

void Tfrminfo::Pause(std::uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

LogMirror* Tfrminfo::LogLines() {
  if (!lstlog.Visible()) return nullptr;
  if (!mirror_) mirror_ = std::make_unique<win32::ListBoxMirror>(lstlog.Handle());
  return mirror_.get();
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
  if (!extended_) lstlog.SetVisible(false);
  PlaceWindow();
  ::PostMessageA(Handle(), RunScriptMessageId, 0, 0);
}

void Tfrminfo::PlaceWindow() {
  const int height = extended_ ? ExtendedHeight : CompactHeight;
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetBounds({work.right - Scale(Width), work.bottom - Scale(height), Scale(Width), Scale(height)});
  grd.SetDesignBounds(1, 1, Width - 1, height - 1);
}

void Tfrminfo::OnDpiChanged() {
  if (shown_) PlaceWindow();
}

void Tfrminfo::OnCancelKey() {
  if (!running_) Close();
}

void Tfrminfo::RunScriptMessage() {
  running_ = true;
  struct RunEnds {
    bool& running;
    ~RunEnds() { running = false; }
  } ends{running_};
  try {
    if (Program().HasScript())
      RunScript(Program().ScriptPath(), *this);
    else
      ShowNoParameters();
  } catch (...) {
    // The message loop reports the error and the window stays with its last caption.
    runFailed_ = true;
    throw;
  }
  Close();
}

}  // namespace vx::player
