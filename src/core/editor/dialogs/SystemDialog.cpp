#include "core/editor/dialogs/SystemDialog.h"

#include "core/StepKinds.h"

namespace vx::editor {

const std::array<SystemLink, 5> SystemLinks{{
    {"gotowait", "  Wait", SystemPage::Wait, ckWait},
    {"gotovar", "  Set Variable", SystemPage::Variable, ckSetVariable},
    {"gotodll", "  Call DLL Function", SystemPage::Dll, ckCallDLLFunction},
    {"gotoexit", "  Exit Windows", SystemPage::Exit, 0},
    {"gotospeed", "  Execution Speed", SystemPage::Speed, ckExecutionSpeed},
}};

const std::array<SystemExitChoice, 5> SystemExitChoices{{
    {"rbexitlock", "Lock Computer", ckLockComputer},
    {"rbexitlogoff", "Log OFF current user", ckLogOFFCurrentUser},
    {"rbexithibernate", "Hibernate System", ckHibernateSystem},
    {"rbexitrestart", "Restart Windows", ckRestartWindows},
    {"rbexitshutdown", "Shutdown Windows", ckShutdownWindows},
}};

namespace {

constexpr const char* kKernel = "kernel32.dll";
constexpr const char* kUser = "user32.dll";
constexpr const char* kGdi = "gdi32.dll";

bool IsExitKind(std::uint8_t kind) {
  return kind >= ckShutdownWindows && kind <= ckLogOFFCurrentUser;
}

// The exit page's radio buttons hold every kind that has no link of its own.
const SystemLink& LinkOf(std::uint8_t kind) {
  const SystemLink* exitLink = nullptr;
  for (const SystemLink& link : SystemLinks) {
    if (link.page == SystemPage::Exit)
      exitLink = &link;
    else if (link.kind == kind)
      return link;
  }
  return *exitLink;
}

void ShowDll(const std::string& dll, SystemValues& values) {
  if (dll == kKernel) {
    values.dll = DllChoice::Kernel;
  } else if (dll == kUser) {
    values.dll = DllChoice::User;
  } else if (dll == kGdi) {
    values.dll = DllChoice::Gdi;
  } else if (!dll.empty()) {
    values.dll = DllChoice::Other;
    values.dllOther = dll;
  }
}

std::string DllOf(const SystemValues& values) {
  switch (values.dll) {
    case DllChoice::Kernel:
      return kKernel;
    case DllChoice::User:
      return kUser;
    case DllChoice::Gdi:
      return kGdi;
    default:
      return values.dllOther;
  }
}

// The player reads no field of these kinds; the word only says what the step does.
const char* ExitWord(std::uint8_t kind) {
  switch (kind) {
    case ckShutdownWindows:
      return "shutdown";
    case ckRestartWindows:
      return "restart";
    case ckHibernateSystem:
      return "hibernate";
    case ckLockComputer:
      return "lock";
    default:
      return "logoff";
  }
}

}  // namespace

SystemView SystemLinkClick(const SystemLink& link, std::uint8_t currentKind) {
  if (link.page == SystemPage::Exit)
    return SystemView{link.page, currentKind, "System States",
                      StepKindDescription(ckLogOFFCurrentUser)};
  return SystemView{link.page, link.kind, StepKindName(link.kind), StepKindDescription(link.kind)};
}

SystemShown ShowSystemStep(const TCommand& step, SystemValues previous) {
  SystemValues values = std::move(previous);
  switch (step.kind) {
    case ckWait:
      values.wait = step.p1;
      break;
    case ckExecutionSpeed:
      values.speed = step.p1;
      break;
    case ckCallDLLFunction:
      values.dllFunction = step.p1;
      ShowDll(step.p2, values);
      break;
    case ckSetVariable:
      values.variableName = step.p1;
      values.variableValue = step.p2;
      break;
    default:
      if (IsExitKind(step.kind)) values.exitKind = step.kind;
      break;
  }
  return SystemShown{SystemLinkClick(LinkOf(step.kind), step.kind), std::move(values)};
}

void ApplySystemStep(std::uint8_t kind, const SystemValues& values, TCommand& working) {
  working.kind = kind;
  switch (kind) {
    case ckWait:
      working.p1 = values.wait;
      break;
    case ckExecutionSpeed:
      working.p1 = values.speed;
      break;
    case ckCallDLLFunction:
      working.p1 = values.dllFunction;
      working.p2 = DllOf(values);
      break;
    case ckSetVariable:
      working.p1 = values.variableName;
      working.p2 = values.variableValue;
      break;
    default:
      if (IsExitKind(kind)) working.p1 = std::string(ExitWord(kind));
      break;
  }
}

}  // namespace vx::editor
