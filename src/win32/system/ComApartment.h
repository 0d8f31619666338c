// COM on the calling thread for as long as the guard lives, in a single-threaded apartment
// as the shell's objects want it: the editor's file dialogs and links, the player's Show
// Desktop step. A thread where COM was already set up another way goes on without it.
#pragma once

#include <objbase.h>

namespace vx::win32 {

class ComApartment {
 public:
  ComApartment() : ok_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (ok_) ::CoUninitialize();
  }

 private:
  bool ok_;
};

}  // namespace vx::win32
