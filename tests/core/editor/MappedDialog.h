// A step dialog's mapping table as its tests drive it: the controls as the form is created,
// a step shown into them, and the controls applied onto a step (a blank one, so that a field
// Show or Apply forgets cannot pass for one kept from the step under test).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/editor/dialogs/DialogMapping.h"

namespace vxtest {

struct MappedDialog {
  vx::editor::DialogMap map;
  int controlCount = 0;

  vx::editor::DialogValues Fresh() const { return vx::editor::InitialValues(map, controlCount); }
  vx::editor::DialogValues Shown(const vx::TCommand& step) const { return Shown(step, Fresh()); }
  vx::editor::DialogValues Shown(const vx::TCommand& step, vx::editor::DialogValues values,
                                 const std::vector<std::string>& declared = {}) const {
    vx::editor::ShowStepValues(map, step, {.declared = &declared}, values);
    return values;
  }
  vx::TCommand Applied(std::uint8_t kind, const vx::editor::DialogValues& values,
                       vx::TCommand onto) const {
    vx::editor::ApplyStepValues(map, kind, values, onto);
    return onto;
  }
  // Shows step into values, lets edit change them and the kind (as the dialog's controls and
  // kind switches do), and applies onto onto.
  template <typename Edit>
  vx::TCommand ShowEditApply(const vx::TCommand& step, vx::editor::DialogValues& values, Edit edit,
                             vx::TCommand onto = {}) const {
    values = Shown(step, std::move(values));
    std::uint8_t kind = step.kind;
    edit(values, kind);
    return Applied(kind, values, std::move(onto));
  }
};

inline void NoEdit(vx::editor::DialogValues&, std::uint8_t&) {}

// The kind that radio buttons choosing among kinds show checked; 0 while none is.
inline std::uint8_t CheckedKind(const vx::editor::ControlValue& buttons,
                                std::span<const std::uint8_t> kinds) {
  return buttons.index < 0 ? 0 : kinds[static_cast<std::size_t>(buttons.index)];
}

// A click that checks the button of chosen: the button, and the current kind.
inline void CheckKind(vx::editor::ControlValue& buttons, std::span<const std::uint8_t> kinds,
                      std::uint8_t& kind, std::uint8_t chosen) {
  for (std::size_t i = 0; i < kinds.size(); ++i)
    if (kinds[i] == chosen) buttons.index = static_cast<int>(i);
  kind = chosen;
}

}  // namespace vxtest
