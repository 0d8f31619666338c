// Move-only owners for the system's handles: each closes its handle exactly once, with the
// function that belongs to it. Copying is deleted; ownership moves.
#pragma once

#include <windows.h>
#include <winsock2.h>
#include <wininet.h>

#include <utility>

namespace vx::win32 {

template <typename T, auto Close, auto Invalid = T{}>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T value) : value_(value) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, Invalid)) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.value_, Invalid));
    return *this;
  }
  ~Unique() { Reset(); }

  T Get() const { return value_; }
  explicit operator bool() const { return value_ != Invalid; }
  // Hands the handle over to a new owner (the system, for clipboard memory).
  T Release() { return std::exchange(value_, Invalid); }
  void Reset(T value = Invalid) {
    if (value_ != Invalid) Close(value_);
    value_ = value;
  }

 private:
  T value_ = Invalid;
};

namespace detail {
inline void CloseKernel(HANDLE h) { ::CloseHandle(h); }
inline void CloseKey(HKEY h) { ::RegCloseKey(h); }
inline void CloseModule(HMODULE h) { ::FreeLibrary(h); }
inline void CloseGdi(HGDIOBJ h) { ::DeleteObject(h); }
inline void CloseHook(HHOOK h) { ::UnhookWindowsHookEx(h); }
inline void CloseGlobal(HGLOBAL h) { ::GlobalFree(h); }
inline void CloseInternet(HINTERNET h) { ::InternetCloseHandle(h); }
inline void CloseSock(SOCKET s) { ::closesocket(s); }
inline void CloseFind(HANDLE h) { ::FindClose(h); }
inline void CloseWindowHandle(HWND h) { ::DestroyWindow(h); }
}  // namespace detail

using UniqueHandle = Unique<HANDLE, detail::CloseKernel>;  // processes, threads, events
using UniqueFile = Unique<HANDLE, detail::CloseKernel, INVALID_HANDLE_VALUE>;
using UniqueFind = Unique<HANDLE, detail::CloseFind, INVALID_HANDLE_VALUE>;
using UniqueKey = Unique<HKEY, detail::CloseKey>;
using UniqueModule = Unique<HMODULE, detail::CloseModule>;
using UniqueGdiObject = Unique<HGDIOBJ, detail::CloseGdi>;
using UniqueHook = Unique<HHOOK, detail::CloseHook>;
using UniqueGlobal = Unique<HGLOBAL, detail::CloseGlobal>;
using UniqueInternet = Unique<HINTERNET, detail::CloseInternet>;
using UniqueSocket = Unique<SOCKET, detail::CloseSock, INVALID_SOCKET>;
using UniqueWindow = Unique<HWND, detail::CloseWindowHandle>;

}  // namespace vx::win32
