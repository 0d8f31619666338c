// The window's geometry kept under "Software\Vorlix": read once at creation, written once at
// close. Values that are missing or of another type take their design values.
#include <vector>

#include "core/editor/document/WindowGeometry.h"
#include "editor/main/FrmMain.h"
#include "win32/system/Registry.h"

namespace vx::editor {

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (::GetMonitorInfoA(monitor, &info)) {
    const RECT& r = info.rcWork;
    reinterpret_cast<std::vector<Rect>*>(data)->push_back(
        Rect{r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  return TRUE;
}

std::vector<Rect> WorkAreas() {
  std::vector<Rect> areas;
  ::EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

StoredGeometry ReadStoredGeometry() {
  const win32::RegistryReader key(HKEY_CURRENT_USER, win32::SettingsKey);
  StoredGeometry stored;
  stored.width = key.ReadIntegerIfValid(kWidthValue);
  stored.height = key.ReadIntegerIfValid(kHeightValue);
  stored.top = key.ReadIntegerIfValid(kTopValue);
  stored.left = key.ReadIntegerIfValid(kLeftValue);
  if (const auto bytes = key.ReadBinary(kHeaderWidthsValue, 4))
    stored.headerWidths = std::string(bytes->begin(), bytes->end());
  stored.leftPanelWidth = key.ReadIntegerIfValid(kLeftPanelWidthValue);
  return stored;
}

}  // namespace

void Tfrmmain::RestoreGeometry() {
  const MainGeometry geometry = GeometryFromStore(ReadStoredGeometry(), static_cast<int>(Dpi()));
  const std::vector<Rect> areas = WorkAreas();
  const Rect bounds = KeepOnAMonitor(geometry.bounds, areas);
  SetBounds({bounds.left, bounds.top, bounds.width, bounds.height});
  hdmain.SetSectionWidth(0, geometry.actionColumnWidth);
  hdmain.SetSectionWidth(1, geometry.numberColumnWidth);
  actionsWidth_ = geometry.leftPanelWidth;
}

void Tfrmmain::StoreGeometry() {
  // The bounds as they are, maximised too; a minimised window's are off the screen, so it
  // stores the ones it comes back to.
  const win32::WindowBounds bounds = ::IsIconic(Handle()) ? RestoredBounds() : Bounds();
  MainGeometry geometry;
  geometry.bounds = Rect{bounds.left, bounds.top, bounds.width, bounds.height};
  geometry.actionColumnWidth = hdmain.SectionWidth(0);
  geometry.numberColumnWidth = hdmain.SectionWidth(1);
  geometry.leftPanelWidth = pnlActions.Width();  // as the window lets it be, not as asked
  const GeometryValues values = GeometryToStore(geometry);
  win32::RegistryWriter key(HKEY_CURRENT_USER, win32::SettingsKey);
  key.WriteInteger(kLeftValue, values.left);
  key.WriteInteger(kTopValue, values.top);
  key.WriteInteger(kWidthValue, values.width);
  key.WriteInteger(kHeightValue, values.height);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(values.headerWidths.data());
  key.WriteBinary(kHeaderWidthsValue, {bytes, values.headerWidths.size()});
  key.WriteInteger(kLeftPanelWidthValue, values.leftPanelWidth);
}

}  // namespace vx::editor
