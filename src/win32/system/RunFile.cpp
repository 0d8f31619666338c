#include "win32/system/RunFile.h"

#include "win32/Handles.h"
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <optional>

namespace vx::win32 {

namespace {

bool IsExistingFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Runs the window messages waiting for this thread without blocking. A WM_QUIT taken here
// is kept in quit, to be posted again once the wait is over: posted at once, it would come
// back at every slice ahead of the paint messages.
void RunPendingMessages(std::optional<int>& quit) {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = static_cast<int>(message.wParam);
      continue;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

}  // namespace

std::int32_t RunFile(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& directory,
                     std::uint16_t show, bool wait) {
  SHELLEXECUTEINFOA request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_NOCLOSEPROCESS;
  request.hwnd = nullptr;
  request.lpVerb = verb.c_str();
  request.lpFile = file.c_str();
  request.lpParameters = parameters.c_str();
  request.lpDirectory = directory.c_str();
  request.nShow = show;
  if (!::ShellExecuteExA(&request)) return -1;
  const UniqueHandle process(request.hProcess);
  if (!wait || IsExistingFolder(file) || !process) return 0;
  std::optional<int> quit;
  while (::WaitForSingleObject(process.Get(), 200) == WAIT_TIMEOUT) RunPendingMessages(quit);
  if (quit) ::PostQuitMessage(*quit);
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.Get(), &exitCode);
  return static_cast<std::int32_t>(exitCode);
}

}  // namespace vx::win32
