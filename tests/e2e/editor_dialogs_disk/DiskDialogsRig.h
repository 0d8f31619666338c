// Shared by the disk and system dialog tests: the dialog rig, and what a user does that the
// rig does not: clicking a link on the band, typing into a box, saving the composed steps
// as a script and reading it back, and pictures of the dialog.
#pragma once

#include <windows.h>
#include <windowsx.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "core/ScriptFile.h"
#include "win32/editor_dialogs/DialogRig.h"
#include "win32/editor_dialogs/UserAtDialog.h"
#include "win32/forms/Control.h"

namespace vxtest {

// A click on a painted control of form: the press and release at its centre.
inline void ClickPainted(HWND form, const vx::win32::TControl& control) {
  const RECT r = control.Bounds();
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ::PostMessageA(form, WM_MOUSEMOVE, 0, at);
  ::PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageA(form, WM_LBUTTONUP, 0, at);
}

// A double click with the real pointer at a point of the screen.
inline void PointerDoubleClick(POINT screen) {
  PointerAt(screen, true);
  PointerAt(screen, true);
}

// Keys typed on the keyboard (through the system's input, to the window with the focus):
// each virtual key pressed and released in turn.
inline void TypeKeys(const std::vector<WORD>& keys) {
  std::vector<INPUT> events;
  for (const WORD key : keys)
    for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT event{};
      event.type = INPUT_KEYBOARD;
      event.ki.wVk = key;
      event.ki.dwFlags = flags;
      events.push_back(event);
    }
  ::SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

// A click with the real pointer at the centre of a window (a press and a release through
// the system's input, landing on whatever lies there).
inline void PointerClick(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  PointerAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, true);
}

// Moves the real pointer to a point of a window's client area.
inline void PointerTo(HWND window, POINT client) {
  ::ClientToScreen(window, &client);
  PointerAt(client, false);
}

// The darkest colour the screen shows within r of a window's client area (a text's own
// colour, where its strokes cover whole pixels), and the colour at r's top left corner.
struct AreaColours {
  COLORREF darkest = RGB(255, 255, 255);
  COLORREF corner = 0;
};
inline AreaColours ColoursIn(HWND window, const RECT& r) {
  ::UpdateWindow(window);
  AreaColours colours;
  const HDC dc = ::GetDC(window);
  colours.corner = ::GetPixel(dc, r.left, r.top);
  int least = 3 * 255 + 1;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = ::GetPixel(dc, x, y);
      const int sum = GetRValue(c) + GetGValue(c) + GetBValue(c);
      if (sum < least) {
        least = sum;
        colours.darkest = c;
      }
    }
  ::ReleaseDC(window, dc);
  return colours;
}

// Characters as the keyboard delivers them to the box with the focus.
inline void TypeChars(HWND box, const std::string& text) {
  for (char c : text) ::SendMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 1);
}

// The steps as a script file holds them: encoded, written, read back and decoded.
inline std::vector<vx::TCommand> SavedAndReadBack(std::span<const vx::TCommand> steps,
                                                  const std::string& path) {
  {
    std::ofstream out(path, std::ios::binary);
    const std::string bytes = vx::EncodeScript(steps, 0, -1);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<vx::TCommand> read;
  vx::ReadScriptSteps(bytes, read);
  return read;
}

// With VX_DIALOG_SHOTS naming a folder: the window as the screen shows it, as name.bmp.
inline void Shot(HWND window, const std::string& name) {
  char folder[MAX_PATH] = {};
  if (!::GetEnvironmentVariableA("VX_DIALOG_SHOTS", folder, MAX_PATH)) return;
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT r{};
  ::GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  ::SelectObject(memory, old);
  const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
  const DWORD size = stride * static_cast<DWORD>(height);
  constexpr DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfSize = headers + size;
  file.bfOffBits = headers;
  std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), size);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
}

}  // namespace vxtest
