#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "StepsFakes.h"
#include "core/StepKinds.h"
#include "core/steps/ExitWindowsWithPrivilege.h"

namespace {

using ::testing::ElementsAre;
using vxtest::StepsRig;

void ExpectConvertError(StepsRig& rig, std::uint8_t kind, const std::string& p1) {
  try {
    rig.Run(kind, p1);
    ADD_FAILURE() << "no error for '" << p1 << "'";
  } catch (const vx::ConvertError& error) {
    EXPECT_EQ(std::string(error.what()), "'" + p1 + "' is not a valid integer value");
  }
}

TEST(StepsSystem, ExecutionSpeedConvertsFirstAndLogsTheTextAsWritten) {
  StepsRig rig;
  rig.Run(vx::ckExecutionSpeed, "250");
  EXPECT_EQ(rig.state.executionSpeed, 250);
  rig.Run(vx::ckExecutionSpeed, " 300");
  EXPECT_EQ(rig.state.executionSpeed, 300);
  rig.Run(vx::ckExecutionSpeed, "$FA");
  EXPECT_EQ(rig.state.executionSpeed, 250);
  EXPECT_THAT(rig.journal, ElementsAre("log Execution speed changed to: 250",
                                       "log Execution speed changed to:  300",
                                       "log Execution speed changed to: $FA"));

  rig.journal.clear();
  ExpectConvertError(rig, vx::ckExecutionSpeed, "100 ");
  ExpectConvertError(rig, vx::ckExecutionSpeed, "");
  EXPECT_EQ(rig.state.executionSpeed, 250);
  EXPECT_TRUE(rig.journal.empty());
}

TEST(StepsSystem, WaitLogsAroundTheSleepAndNeverSleepsForEver) {
  StepsRig rig;
  rig.Run(vx::ckWait, "1500");
  rig.Run(vx::ckWait, "-1");
  rig.Run(vx::ckWait, "-2000000000");
  EXPECT_THAT(rig.journal, ElementsAre("log Sleep Started...", "Sleep 1500", "log Sleep Ended.",
                                       "log Sleep Started...", "Sleep 0", "log Sleep Ended.",
                                       "log Sleep Started...", "Sleep 0", "log Sleep Ended."));
}

TEST(StepsSystem, WaitLogsItsStartBeforeABadTextRaises) {
  StepsRig rig;
  ExpectConvertError(rig, vx::ckWait, "");
  ExpectConvertError(rig, vx::ckWait, "1s");
  EXPECT_THAT(rig.journal, ElementsAre("log Sleep Started...", "log Sleep Started..."));
}

TEST(StepsSystem, CallDllTakesTheThreeSystemLibrariesFromTheSystemFolder) {
  StepsRig rig;
  rig.system.libraries["C:\\WINDOWS\\system32\\user32.dll"] = {{"MessageBeep", 0x1234}};
  rig.Run(vx::ckCallDLLFunction, "MessageBeep(0)", "user32.dll");
  EXPECT_THAT(rig.journal,
              ElementsAre("GetSystemDirectoryA", "log Loading DLL...",
                          "LoadLibraryA C:\\WINDOWS\\system32\\user32.dll",
                          "GetProcAddress MessageBeep", "log Calling Function...",
                          "CallWindowProcA 4660", "log Freeing DLL...", "FreeLibrary"));
}

TEST(StepsSystem, CallDllUsesAnyOtherNameAsWritten) {
  StepsRig rig;
  rig.system.libraries["User32.dll"] = {{"GetTickCount", 7}};
  rig.system.libraries["probe.dll"] = {{"Probe", 9}};
  rig.Run(vx::ckCallDLLFunction, "GetTickCount", "User32.dll");
  rig.Run(vx::ckCallDLLFunction, "Probe(1, 2, 3)", "probe.dll");
  EXPECT_THAT(rig.journal, ElementsAre("log Loading DLL...", "LoadLibraryA User32.dll",
                                       "GetProcAddress GetTickCount", "log Calling Function...",
                                       "CallWindowProcA 7", "log Freeing DLL...", "FreeLibrary",
                                       "log Loading DLL...", "LoadLibraryA probe.dll",
                                       "GetProcAddress Probe", "log Calling Function...",
                                       "CallWindowProcA 9", "log Freeing DLL...", "FreeLibrary"));
}

TEST(StepsSystem, CallDllNeverCallsThroughANullAddress) {
  StepsRig rig;
  rig.Run(vx::ckCallDLLFunction, "Anything()", "missing.dll");
  EXPECT_THAT(rig.journal, ElementsAre("log Loading DLL...", "LoadLibraryA missing.dll",
                                       "log DLL could not be loaded: missing.dll"));

  rig.journal.clear();
  rig.system.libraries["probe.dll"] = {{"Probe", 9}};
  rig.Run(vx::ckCallDLLFunction, "probe(0)", "probe.dll");  // names are case-sensitive
  EXPECT_THAT(rig.journal,
              ElementsAre("log Loading DLL...", "LoadLibraryA probe.dll", "GetProcAddress probe",
                          "log Function probe not found in probe.dll", "FreeLibrary"));

  rig.journal.clear();
  rig.Run(vx::ckCallDLLFunction, "", "probe.dll");
  EXPECT_EQ(rig.journal.at(3), "log Function  not found in probe.dll");
}

TEST(StepsSystem, ShutdownAndRestartAdjustPrivilegesOnTheNtFamily) {
  StepsRig rig;
  rig.Run(vx::ckShutdownWindows, "shutdown");
  rig.Run(vx::ckRestartWindows, "restart");
  EXPECT_THAT(
      rig.journal,
      ElementsAre("log Shutdown Computer...", "log NT system detected, Adjusting privileges...",
                  "EnableShutdownPrivilege", "ExitWindowsEx 8", "log Restarting Computer...",
                  "log NT system detected, Adjusting privileges...", "EnableShutdownPrivilege",
                  "ExitWindowsEx 2"));
}

TEST(StepsSystem, ExitWindowsWithPrivilegeAsksEvenWithoutPrivilegesAndReportsTheAnswer) {
  StepsRig rig;
  rig.system.platformId = 1;
  rig.system.exitSucceeds = false;
  EXPECT_FALSE(vx::ExitWindowsWithPrivilege(rig.system, rig.log, vx::EwxReboot));
  EXPECT_THAT(rig.journal, ElementsAre("ExitWindowsEx 2"));
  rig.system.exitSucceeds = true;
  EXPECT_TRUE(vx::ExitWindowsWithPrivilege(rig.system, rig.log, vx::EwxPoweroff));
}

TEST(StepsSystem, HibernateLockAndLogOffTakeNoPrivilegeStep) {
  StepsRig rig;
  rig.Run(vx::ckHibernateSystem, "hibernate");
  rig.Run(vx::ckLockComputer, "lock");
  rig.Run(vx::ckLogOFFCurrentUser, "logoff");
  EXPECT_THAT(rig.journal, ElementsAre("log Hibernating...", "SetSystemPowerState 0 1",
                                       "log Locking Computer...", "LockWorkStation",
                                       "log Logging Off...", "ExitWindowsEx 0"));
}

}  // namespace
