// The comment dialog (Tfrmcomment): the comment (p4) it shows.
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

}  // namespace vx::editor
