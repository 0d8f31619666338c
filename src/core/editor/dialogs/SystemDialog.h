// The system dialog (Tfrmsystem): Wait, Execution Speed, Call DLL Function, the five
// power and log-off kinds and Set Variable, both ways.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Command.h"

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

enum class DllChoice { None, Kernel, User, Gdi, Other };

// What the controls hold; the defaults are the form as created (nothing checked, boxes
// empty).
struct SystemValues {
  std::uint8_t exitKind = 0;  // the checked exit radio button's kind, 0 while none is
  std::string dllFunction;    // txtdllfunction
  DllChoice dll = DllChoice::None;
  std::string dllOther;       // txtdllother
  std::string speed;          // txtspeed
  std::string wait;           // txtwait
  std::string variableName;   // txtvarname
  std::string variableValue;  // txtvarvalue
};

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

struct SystemShown {
  SystemView view;
  SystemValues values;
};

// FormShow: the step's page takes its fields and every other control keeps what previous
// held. The DLL name checks its radio button only when spelt exactly as one of the three
// system DLLs (the player loads those from the system folder); any other name goes to
// "Other:", and an empty one leaves the DLL choice as it was.
SystemShown ShowSystemStep(const TCommand& step, SystemValues previous);

// Apply never refuses: the working step takes kind and the fields kind uses; p2 of the
// kinds that do not write it, p3, p4 and the enabled byte keep what it held. A DLL
// choice of "Other:" or none stores the "Other:" box.
void ApplySystemStep(std::uint8_t kind, const SystemValues& values, TCommand& working);

}  // namespace vx::editor
