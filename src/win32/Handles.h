// Move-only owners for the system's handles: each closes its handle exactly once, with the
// function that belongs to it. Copying is deleted; ownership moves.
#pragma once

#include <windows.h>

#include <utility>

namespace vx::win32 {

// Traits: a type T, a static Close(T) and a static Invalid() value.
template <typename Traits>
class Unique {
  using T = typename Traits::Type;
  static T Invalid() { return Traits::Invalid(); }

 public:
  Unique() = default;
  explicit Unique(T value) : value_(value) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, Invalid())) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.value_, Invalid()));
    return *this;
  }
  ~Unique() { Reset(); }

  T Get() const { return value_; }
  explicit operator bool() const { return value_ != Invalid(); }
  // Hands the handle over to a new owner (the system, for clipboard memory).
  T Release() { return std::exchange(value_, Invalid()); }
  void Reset() { Reset(Invalid()); }
  void Reset(T value) {
    if (value_ != Invalid()) Traits::Close(value_);
    value_ = value;
  }

 private:
  T value_ = Invalid();
};

namespace detail {
template <typename T, auto CloseFn>
struct NullIsInvalid {
  using Type = T;
  static T Invalid() { return T{}; }
  static void Close(T value) { CloseFn(value); }
};
template <auto CloseFn>
struct MinusOneIsInvalid {
  using Type = HANDLE;
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE value) { CloseFn(value); }
};
inline void CloseKernel(HANDLE h) {
  ::CloseHandle(h);
}
inline void CloseKey(HKEY h) {
  ::RegCloseKey(h);
}
inline void CloseModule(HMODULE h) {
  ::FreeLibrary(h);
}
inline void CloseGdi(HGDIOBJ h) {
  ::DeleteObject(h);
}
inline void CloseHook(HHOOK h) {
  ::UnhookWindowsHookEx(h);
}
inline void CloseGlobal(HGLOBAL h) {
  ::GlobalFree(h);
}
inline void CloseFind(HANDLE h) {
  ::FindClose(h);
}
inline void CloseWindowHandle(HWND h) {
  ::DestroyWindow(h);
}
}  // namespace detail

using UniqueHandle =
    Unique<detail::NullIsInvalid<HANDLE, detail::CloseKernel>>;  // processes, threads, events
using UniqueFile = Unique<detail::MinusOneIsInvalid<detail::CloseKernel>>;
using UniqueFind = Unique<detail::MinusOneIsInvalid<detail::CloseFind>>;
using UniqueKey = Unique<detail::NullIsInvalid<HKEY, detail::CloseKey>>;
using UniqueModule = Unique<detail::NullIsInvalid<HMODULE, detail::CloseModule>>;
using UniqueGdiObject = Unique<detail::NullIsInvalid<HGDIOBJ, detail::CloseGdi>>;
using UniqueHook = Unique<detail::NullIsInvalid<HHOOK, detail::CloseHook>>;
using UniqueGlobal = Unique<detail::NullIsInvalid<HGLOBAL, detail::CloseGlobal>>;
using UniqueWindow = Unique<detail::NullIsInvalid<HWND, detail::CloseWindowHandle>>;

}  // namespace vx::win32
