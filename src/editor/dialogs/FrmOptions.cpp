#include "editor/dialogs/FrmOptions.h"

#include <exception>

#include "editor/dialogs/BrowseDialogs.h"
#include "editor/dialogs/ControlBinder.h"
#include "win32/forms/Application.h"
#include "win32/system/Registry.h"

namespace vx::editor {

namespace {

constexpr COLORREF White = RGB(255, 255, 255);

const win32::FormDef OptionsForm = {
    .className = "Tfrmoptions",
    .caption = "Options",
    .width = 415,
    .height = 257,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    .exStyle = WS_EX_DLGMODALFRAME,
    .font = {"Tahoma", 8},
    .role = win32::FormRole::Dialog,
};

constexpr const char* Description =
    "Customize vorlix parser behavior. You can hide or show the parser window when executing "
    "scripts, and you can choose to use either normal mode or extended mode, the extended mode "
    "show you a detailed progress of your script. Enable Logging option allow you to log  the "
    "parser actions into an htm file.";

win32::ControlDef CheckAt(const char* caption, int left, int top, int width) {
  return {.caption = caption, .left = left, .top = top, .width = width, .height = 17};
}

// Apply and Cancel along the foot of the dialog.
win32::ControlDef FootButton(const char* caption, int left, int id, DWORD style = 0) {
  return {.caption = caption,
          .left = left,
          .top = 224,
          .width = 75,
          .height = 25,
          .style = style,
          .id = id};
}

}  // namespace

std::optional<std::int32_t> RegistryOptionsStore::ReadInteger(const std::string& name) const {
  const win32::RegistryReader reader(HKEY_CURRENT_USER, win32::SettingsKey);
  if (!reader.ValueExists(name)) return std::nullopt;
  return reader.ReadInteger(name);
}

std::optional<std::string> RegistryOptionsStore::ReadString(const std::string& name) const {
  const win32::RegistryReader reader(HKEY_CURRENT_USER, win32::SettingsKey);
  if (!reader.ValueExists(name)) return std::nullopt;
  const StoredText text = reader.ReadText(name);
  if (!text.held) unheld_[name] = reader.ReadWideString(name);
  return text.text;
}

std::optional<std::wstring> RegistryOptionsStore::WholeText(const std::string& name) const {
  const auto found = unheld_.find(name);
  if (found == unheld_.end()) return std::nullopt;
  return found->second;
}

void RegistryOptionsStore::WriteInteger(const std::string& name, std::int32_t value) {
  win32::RegistryWriter(HKEY_CURRENT_USER, win32::SettingsKey).WriteInteger(name, value);
}

void RegistryOptionsStore::WriteString(const std::string& name, const std::string& value) {
  win32::RegistryWriter(HKEY_CURRENT_USER, win32::SettingsKey).WriteString(name, value);
}

void Tfrmoptions::Create(HWND owner) {
  CreateForm(
      OptionsForm,
      {
          {&Gradient1, {.width = 129, .height = 257}},
          {&lblinfocaption,
           {.caption = "Options",
            .left = 8,
            .top = 12,
            .font = {.face = "Tahoma", .points = 11, .color = White}}},
          {&lblinfo,
           {.caption = Description,
            .left = 8,
            .top = 40,
            .width = 113,
            .height = 209,
            .font = {.face = "Tahoma", .points = 8, .color = White}}},
          {&BevelRect1,
           {.caption = "Vorlix Options",
            .left = 137,
            .top = 8,
            .width = 270,
            .height = 22,
            .font = {.face = "Tahoma", .points = 9, .bold = true}}},
          {&chkvpshow, CheckAt("Show vorlix parser window", 145, 44, 250)},
          {&chkvpextended, CheckAt(" Extended Mode", 163, 66, 232)},
          {&chklog, CheckAt("Enable Logging", 145, 100, 250)},
          {&Label1, {.caption = "Path:", .left = 163, .top = 127}},
          {&txtlogpath, {.left = 195, .top = 124, .width = 180, .height = 21}},
          {&cmdlogpath, {.caption = "...", .left = 377, .top = 124, .width = 23, .height = 21}},
          {&cmdapply, FootButton("Apply", 249, IDOK, WS_GROUP)},
          {&cmdcancel, FootButton("Cancel", 332, IDCANCEL)},
      },
      owner);
  Gradient1.Gradient().Assign(GradientSettings{});
  chkvpshow.OnClick = [this] { chkvpextended.SetEnabled(chkvpshow.Checked()); };
  chklog.OnClick = [this] { txtlogpath.SetEnabled(chklog.Checked()); };
  cmdlogpath.OnClick = [this] { cmdlogpathClick(); };
  cmdapply.OnClick = [this] { cmdapplyClick(); };
  cmdcancel.OnClick = [this] { EndModal(IDCANCEL); };
}

int Tfrmoptions::Open() {
  CenterOnOwner();
  return ShowModal();
}

OptionsValues Tfrmoptions::Values() const {
  return {.log = chklog.Checked(),
          .logPath = txtlogpath.Text(),
          .show = chkvpshow.Checked(),
          .extended = chkvpextended.Checked()};
}

void Tfrmoptions::LoadCheck(win32::TCheckBox& box, bool checked) {
  if (box.Checked() == checked) return;
  box.SetChecked(checked);
  if (box.OnClick) box.OnClick();
}

void Tfrmoptions::FormShow() {
  OptionsValues values = Values();
  const RegistryOptionsStore store;
  std::exception_ptr error;
  try {
    ReadOptions(store, values);
  } catch (...) {
    // A value of the wrong type: what was read before it still shows, the rest keeps its
    // state, and the error is reported once the dialog is up.
    error = std::current_exception();
  }
  LoadCheck(chklog, values.log);
  // Set only when read: a box left as it was keeps a text only it holds whole.
  if (values.logPath != txtlogpath.Text()) txtlogpath.SetText(values.logPath);
  // A folder the code page cannot hold shows whole, so that Apply refuses it rather than
  // store "?" or a look-alike folder in its place.
  if (const auto whole = store.WholeText("vpLogPath")) txtlogpath.SetUnicodeText(*whole);
  LoadCheck(chkvpshow, values.show);
  LoadCheck(chkvpextended, values.extended);
  chkvpextended.SetEnabled(chkvpshow.Checked());
  if (error) {
    try {
      std::rethrow_exception(error);
    } catch (...) {
      win32::Application().HandleException();
    }
  }
}

void Tfrmoptions::cmdapplyClick() {
  if (RefuseUnheldText(*this, NameBox{&txtlogpath, &Label1})) return;
  // A refused write raises: the error is reported and the dialog stays open.
  RegistryOptionsStore store;
  WriteOptions(Values(), store);
  EndModal(IDOK);
}

void Tfrmoptions::cmdlogpathClick() {
  if (const auto folder = BrowseFromFolder(Handle(), txtlogpath.ExactText().value_or(""))) {
    txtlogpath.SetText(*folder);
    txtlogpath.SelectAll();
  }
}

}  // namespace vx::editor
