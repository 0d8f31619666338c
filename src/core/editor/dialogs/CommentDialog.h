// The comment dialog (Tfrmcomment): the comment (p4) of the selected steps.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "core/Command.h"

namespace vx::editor {

// FormShow: the comment of the list's current item; empty when there is none (an empty
// list, or no current item).
std::string ShowComment(std::span<const TCommand> steps, std::optional<std::size_t> currentIndex);

// OK: every selected step takes text as its comment, whether or not the current item is
// among them; with nothing selected nothing changes. Indexes past the list are ignored.
void ApplyComment(std::span<TCommand> steps, std::span<const std::size_t> selectedIndexes,
                  const std::string& text);

}  // namespace vx::editor
