#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "StepsWin32Rig.h"
#include "TempFolder.h"
#include "core/StepKinds.h"
#include "win32/Handles.h"

namespace {

using ::testing::ElementsAre;
using vxtest::Win32Rig;

TEST(StepsWin32System, CallsALibraryFunctionWithFourZeroArguments) {
  vxtest::TempFolder folder;
  const std::string record = folder.File("probe.txt");
  ASSERT_TRUE(::SetEnvironmentVariableA("VX_STEPS_PROBE", record.c_str()));
  Win32Rig rig;
  rig.Run(vx::ckCallDLLFunction, "StepsProbe(1, 2, 3, 4)", "vxstepsprobe.dll");
  ::SetEnvironmentVariableA("VX_STEPS_PROBE", nullptr);
  EXPECT_EQ(vxtest::ReadAll(record), "0 0 0 0\n");
  EXPECT_THAT(rig.log.lines,
              ElementsAre("Loading DLL...", "Calling Function...", "Freeing DLL..."));
  // Freed again: nothing of the run keeps it loaded.
  EXPECT_EQ(::GetModuleHandleA("vxstepsprobe.dll"), nullptr);
}

TEST(StepsWin32System, TakesTheSystemLibrariesFromTheSystemFolder) {
  Win32Rig rig;
  const std::string folder = rig.ports.system.GetSystemDirectoryA();
  ASSERT_FALSE(folder.empty());
  char expected[MAX_PATH] = {};
  ASSERT_GT(::GetSystemDirectoryA(expected, MAX_PATH), 0u);
  EXPECT_EQ(folder, expected);

  rig.Run(vx::ckCallDLLFunction, "MessageBeep(0)", "user32.dll");
  rig.Run(vx::ckCallDLLFunction, "GetTickCount", "Kernel32.dll");
  EXPECT_THAT(rig.log.lines,
              ElementsAre("Loading DLL...", "Calling Function...", "Freeing DLL...",
                          "Loading DLL...", "Calling Function...", "Freeing DLL..."));
}

TEST(StepsWin32System, AMissingLibraryOrFunctionIsReportedNotCalled) {
  Win32Rig rig;
  rig.Run(vx::ckCallDLLFunction, "Anything()", "vx-no-such-library.dll");
  rig.Run(vx::ckCallDLLFunction, "stepsprobe()", "vxstepsprobe.dll");
  EXPECT_THAT(rig.log.lines,
              ElementsAre("Loading DLL...", "DLL could not be loaded: vx-no-such-library.dll",
                          "Loading DLL...", "Function stepsprobe not found in vxstepsprobe.dll"));
  EXPECT_EQ(::GetModuleHandleA("vxstepsprobe.dll"), nullptr);
}

TEST(StepsWin32System, WaitAndSpeed) {
  Win32Rig rig;
  rig.Run(vx::ckWait, "20");
  rig.Run(vx::ckWait, "-1");  // must come back
  rig.Run(vx::ckExecutionSpeed, "$10");
  EXPECT_EQ(rig.state.executionSpeed, 16);
  EXPECT_THAT(rig.log.lines, ElementsAre("Sleep Started...", "Sleep Ended.", "Sleep Started...",
                                         "Sleep Ended.", "Execution speed changed to: $10"));
}

bool ShutdownPrivilegeEnabled() {
  HANDLE raw = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
  const vx::win32::UniqueHandle token(raw);
  LUID shutdown{};
  ::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown);
  std::vector<char> buffer(4096);
  DWORD length = 0;
  const BOOL read = ::GetTokenInformation(token.Get(), TokenPrivileges, buffer.data(),
                                          static_cast<DWORD>(buffer.size()), &length);
  if (!read) return false;
  const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
  for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
    const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
    if (entry.Luid.LowPart == shutdown.LowPart && entry.Luid.HighPart == shutdown.HighPart)
      return (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
  }
  return false;
}

// The one part of shutting down that a test may really do: the privilege is enabled.
TEST(StepsWin32System, EnablesTheShutdownPrivilegeOnTheNtFamily) {
  Win32Rig rig;
  EXPECT_EQ(rig.ports.system.GetPlatformId(), vx::PlatformWin32Nt);
  rig.ports.system.EnableShutdownPrivilege();
  EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

}  // namespace
