// The system dialog (Tfrmsystem): Wait, Execution Speed, Call DLL Function, the five
// power and log-off kinds and Set Variable: its pages, links and mapping table.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/editor/dialogs/DialogMapping.h"

namespace vx::editor {

// Page indexes of pgsystem.
enum class SystemPage : int { Exit = 0, Dll = 1, Speed = 2, Wait = 3, Variable = 4 };

// A page link on the band, top to bottom. The exit page holds five kinds: its link keeps
// the current step kind (kind 0 here) and the radio buttons choose.
struct SystemLink {
  const char* name;
  const char* caption;
  SystemPage page;
  std::uint8_t kind;
};
extern const std::array<SystemLink, 5> SystemLinks;

// The exit page's radio buttons, top to bottom; each one's Tag is its kind.
struct SystemExitChoice {
  const char* name;
  const char* caption;
  std::uint8_t kind;
};
extern const std::array<SystemExitChoice, 5> SystemExitChoices;

// The controls that hold step fields, as the mapping numbers them.
enum SystemControl : int {
  scExitChoice,     // the exit radio buttons, in the order of SystemExitChoices
  scDllFunction,    // txtdllfunction
  scDllChoice,      // rbdllkernel, rbdlluser, rbdllgdi, rbdllother (DllChoice)
  scDllOther,       // txtdllother
  scSpeed,          // txtspeed
  scWait,           // txtwait
  scVariableName,   // txtvarname
  scVariableValue,  // txtvarvalue
  SystemControlCount
};
enum DllChoice : int { dllKernel, dllUser, dllGdi, dllOther };

// Which control stands for which field of which kind. The form as created has nothing
// checked and every box empty; closing empties nothing. The DLL name checks its radio
// button only when spelt exactly as one of the three system DLLs (the player loads those
// from the system folder); any other name goes to "Other:", and an empty one leaves the
// DLL choice as it was. Apply stores a checked system DLL, else the "Other:" box. The
// exit kinds store a word that says what the step does (the player reads none).
extern const std::array<ControlBinding, 12> SystemMapping;

// The page shown, the current step kind and the heading (lblinfocaption, lblinfo).
struct SystemView {
  SystemPage page;
  std::uint8_t kind;
  std::string title;
  std::string description;
};

// A link's click: its page and heading, and its kind; the exit link keeps currentKind and
// is headed "System States" with Log OFF Current User's description.
SystemView SystemLinkClick(const SystemLink& link, std::uint8_t currentKind);
// FormShow's view of a step of kind: its link's click.
SystemView SystemViewOf(std::uint8_t kind);

}  // namespace vx::editor
