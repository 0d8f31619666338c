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

constexpr std::string_view SystemDlls[] = {"kernel32.dll", "user32.dll", "gdi32.dll"};

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

void ShowDll(const Codec&, const std::string& dll, const ControlBinding& row, const ShowContext&,
             DialogValues& values) {
  for (int i = dllKernel; i <= dllGdi; ++i) {
    if (dll == SystemDlls[i]) {
      values[row.control].index = i;
      return;
    }
  }
  if (dll.empty()) return;
  values[row.control].index = dllOther;
  values[row.partner].text = dll;
  values[row.partner].held = true;
}

std::string ApplyDll(const Codec&, const ControlBinding& row, const DialogValues& values) {
  const int chosen = values[row.control].index;
  if (chosen >= dllKernel && chosen <= dllGdi) return std::string(SystemDlls[chosen]);
  return values[row.partner].text;
}

constexpr Codec DllCodec{ShowDll, ApplyDll};

constexpr std::uint8_t ExitKinds[] = {ckLockComputer, ckLogOFFCurrentUser, ckHibernateSystem,
                                      ckRestartWindows, ckShutdownWindows};

constexpr FieldRef P1{Slot::P1};
constexpr FieldRef P2{Slot::P2};

// A word the exit kind stores in p1.
constexpr ControlBinding ExitWord(std::uint8_t kind, std::string_view word) {
  return {.page = static_cast<int>(SystemPage::Exit), .field = P1, .kinds = {kind}, .fixed = word};
}

}  // namespace

const std::array<ControlBinding, 12> SystemMapping{{
    {.control = scExitChoice,
     .page = static_cast<int>(SystemPage::Exit),
     .kinds = {ckShutdownWindows, ckRestartWindows, ckHibernateSystem, ckLockComputer,
               ckLogOFFCurrentUser},
     .codec = KindChoiceCodec(ExitKinds)},
    ExitWord(ckShutdownWindows, "shutdown"),
    ExitWord(ckRestartWindows, "restart"),
    ExitWord(ckHibernateSystem, "hibernate"),
    ExitWord(ckLockComputer, "lock"),
    ExitWord(ckLogOFFCurrentUser, "logoff"),
    {.control = scDllFunction,
     .page = static_cast<int>(SystemPage::Dll),
     .field = P1,
     .kinds = {ckCallDLLFunction}},
    {.control = scDllChoice,
     .page = static_cast<int>(SystemPage::Dll),
     .field = P2,
     .kinds = {ckCallDLLFunction},
     .codec = DllCodec,
     .partner = scDllOther},
    {.control = scSpeed,
     .page = static_cast<int>(SystemPage::Speed),
     .field = P1,
     .kinds = {ckExecutionSpeed}},
    {.control = scWait, .page = static_cast<int>(SystemPage::Wait), .field = P1, .kinds = {ckWait}},
    {.control = scVariableName,
     .page = static_cast<int>(SystemPage::Variable),
     .field = P1,
     .kinds = {ckSetVariable}},
    {.control = scVariableValue,
     .page = static_cast<int>(SystemPage::Variable),
     .field = P2,
     .kinds = {ckSetVariable}},
}};

SystemView SystemLinkClick(const SystemLink& link, std::uint8_t currentKind) {
  if (link.page == SystemPage::Exit)
    return SystemView{link.page, currentKind, "System States",
                      StepKindDescription(ckLogOFFCurrentUser)};
  return SystemView{link.page, link.kind, StepKindName(link.kind), StepKindDescription(link.kind)};
}

SystemView SystemViewOf(std::uint8_t kind) {
  return SystemLinkClick(LinkOf(kind), kind);
}

}  // namespace vx::editor
