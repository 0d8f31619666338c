#include "win32/forms/Splitter.h"

#include <windowsx.h>

#include <algorithm>

#include "win32/forms/Form.h"

namespace vx::win32 {

const char* TSplitter::ClassName() const {
  static const char* const name = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "VxSplitter";
    ::RegisterClassExA(&windowClass);
    return "VxSplitter";
  }();
  return name;
}

void TSplitter::SetRange(int minimumLeft, int maximumLeft) {
  minimum_ = minimumLeft;
  maximum_ = std::max(minimumLeft, maximumLeft);
}

int TSplitter::Clamp(int left) const {
  return std::clamp(left, minimum_, maximum_);
}

void TSplitter::DrawLine(int left) const {
  const HWND parent = ParentHandle();
  // DCX_PARENTCLIP is not wanted: the line runs over the parent's children too.
  const HDC dc = ::GetDCEx(parent, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  const HDC use = dc ? dc : ::GetDC(parent);
  if (!use) return;
  ::PatBlt(use, left, Top(), Width(), Height(), DSTINVERT);
  ::ReleaseDC(parent, use);
}

bool TSplitter::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND: {
      // The form's own colour: the splitter is a gap between the parts, not a bar.
      RECT r;
      ::GetClientRect(window_, &r);
      const HBRUSH brush = ::CreateSolidBrush(form_ ? form_->Def().background : RGB(240, 240, 240));
      ::FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
      ::DeleteObject(brush);
      result = 1;
      return true;
    }
    case WM_LBUTTONDOWN:
      dragging_ = true;
      grabOffset_ = GET_X_LPARAM(lParam);
      lineLeft_ = Left();
      ::SetCapture(window_);
      DrawLine(lineLeft_);
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (!dragging_) return false;
      {
        POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::MapWindowPoints(window_, ParentHandle(), &p, 1);
        const int left = Clamp(p.x - grabOffset_);
        if (left != lineLeft_) {
          DrawLine(lineLeft_);
          lineLeft_ = left;
          DrawLine(lineLeft_);
        }
      }
      result = 0;
      return true;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: {
      if (!dragging_) return false;
      dragging_ = false;
      DrawLine(lineLeft_);
      if (message == WM_LBUTTONUP) ::ReleaseCapture();
      const int left = lineLeft_;
      if (left != Left() && OnMoved) OnMoved(left);
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vx::win32
