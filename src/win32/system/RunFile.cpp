#include "win32/system/RunFile.h"

#include "win32/Handles.h"
#include "win32/forms/Application.h"
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

namespace vx::win32 {

namespace {

bool IsExistingFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
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
  // The application's own message processing: a quit during the wait ends the program's
  // message loop as it does everywhere else.
  while (::WaitForSingleObject(process.Get(), 200) == WAIT_TIMEOUT) Application().ProcessMessages();
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.Get(), &exitCode);
  return static_cast<std::int32_t>(exitCode);
}

}  // namespace vx::win32
