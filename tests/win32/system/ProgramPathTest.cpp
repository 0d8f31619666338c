// The program's own path, which both programs use to find what lies beside them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "DesktopHelper.h"
#include "TempFolder.h"
#include "win32/system/ProgramPath.h"
#include "win32/system/SystemText.h"

namespace {

// A folder of three levels of 100 characters each inside a fresh temporary folder, removed
// again at the end through the wide calls, which alone reach it.
class DeepFolder {
 public:
  DeepFolder() {
    std::wstring path = temp_.Path().wstring();
    for (wchar_t letter : {L'a', L'b', L'c'}) {
      path += L"\\" + std::wstring(100, letter);
      levels_.push_back(path);
      ::CreateDirectoryW(Long(path).c_str(), nullptr);
    }
  }
  DeepFolder(const DeepFolder&) = delete;
  DeepFolder& operator=(const DeepFolder&) = delete;
  ~DeepFolder() {
    for (const std::wstring& file : files_) ::DeleteFileW(Long(file).c_str());
    for (auto level = levels_.rbegin(); level != levels_.rend(); ++level)
      ::RemoveDirectoryW(Long(*level).c_str());
  }

  // Copies the file at source into the deepest level and gives the copy's path.
  std::wstring Copy(const std::wstring& source, const std::wstring& name) {
    files_.push_back(levels_.back() + L"\\" + name);
    ::CopyFileW(source.c_str(), Long(files_.back()).c_str(), FALSE);
    return files_.back();
  }

 private:
  static std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

  vxtest::TempFolder temp_;
  std::vector<std::wstring> levels_;
  std::vector<std::wstring> files_;
};

TEST(ProgramPath, IsWholeAlsoInAFolderDeeperThanMaxPath) {
  char shallow[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, shallow, MAX_PATH);
  EXPECT_EQ(vx::win32::ProgramPath(), std::string(shallow, length));

  DeepFolder deep;
  const std::wstring probe =
      deep.Copy(vx::win32::WideText(vxtest::WindowsPath(PROGRAM_PATH_PROBE), CP_ACP),
                L"program_path_probe.exe");
  ASSERT_GT(probe.size(), static_cast<std::size_t>(MAX_PATH));
  vxtest::TempFolder out;
  const std::string found = out.File("found.txt");
  // Wine's CreateProcess refuses a program path over MAX_PATH; its loader takes it when a
  // user starts the program from the host's shell. Started so, the program runs on its own
  // and its answer is awaited in its file.
  vxtest::StartCommand("/usr/lib/wine/wine64 \"" + vx::win32::NarrowText(probe, CP_ACP) + "\" \"" +
                       found + "\"");
  ASSERT_TRUE(vxtest::WaitUntil(
      [&] { return ::GetFileAttributesA(found.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000));
  // The path itself, and the file name an "Application Error" box names the program by.
  EXPECT_EQ(vxtest::ReadAll(found),
            vx::win32::NarrowText(probe, CP_ACP) + "\nprogram_path_probe.exe\n");
}

}  // namespace
