// The recorder's hold on the desktop's input: a low-level keyboard and a low-level mouse
// hook, owned together, that hand every event to a RecorderSession on the thread that
// installed them (the editor's GUI thread, whose message loop runs them).
#pragma once

#include <windows.h>

#include <functional>

#include "core/editor/dialogs/RecorderSession.h"
#include "win32/Handles.h"

namespace vx::editor {

class RecorderHooks {
 public:
  RecorderHooks() = default;
  RecorderHooks(const RecorderHooks&) = delete;
  RecorderHooks& operator=(const RecorderHooks&) = delete;
  ~RecorderHooks() { Stop(); }

  // Installs both hooks feeding session; false (and nothing installed) when the system
  // refuses either. recorder is the recorder's window: the mouse events on it, and the keys
  // typed while it is in front, are marked.
  // onEnded runs when an event ended the recording (Pause, a full buffer).
  bool Start(RecorderSession& session, HWND recorder, std::function<void(RecorderResult)> onEnded);
  void Stop();
  bool Running() const { return static_cast<bool>(keyboard_); }

 private:
  static LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM event);
  static LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM event);
  void Ended(RecorderResult result);

  RecorderSession* session_ = nullptr;
  HWND recorder_ = nullptr;
  std::function<void(RecorderResult)> onEnded_;
  win32::UniqueHook keyboard_;
  win32::UniqueHook mouse_;
};

}  // namespace vx::editor
