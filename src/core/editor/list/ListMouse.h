// The step list's mouse rules, decided without a window: which step lies under a point,
// what a button press does to the selection, when a drag begins, where the insertion line
// is drawn and where a dropped step lands.
#pragma once

#include <cstdint>
#include <optional>

#include "core/editor/list/StepList.h"

namespace vx::editor {

// The list's scroll position and item height, in client pixels. Indexes are computed
// from these, so they go past the 16 bits of the list box's own messages.
struct ListGeometry {
  std::size_t topIndex = 0;
  int itemHeight = 40;
  std::size_t count = 0;
};

// The step under client y (y >= 0), or NoItem below the last step.
std::int32_t ItemAtY(const ListGeometry& geometry, int y);
// The client y of the top edge of a step's rectangle (negative above the visible part).
std::int64_t ItemTop(const ListGeometry& geometry, std::size_t index);

// The buttons and keys held at a press, the pressed button included.
struct MouseShift {
  bool left = false;
  bool right = false;
  bool middle = false;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool doubleClick = false;  // the second press of a double click
};

// What a press does, in this order: make selectAlone the only selected step and the
// current item (when not NoItem); clear the selection (deselectAll); arm a drag that
// starts once the mouse has moved a few pixels with the button held (the list box's own
// threshold).
struct PressDecision {
  std::int32_t selectAlone = NoItem;
  bool deselectAll = false;
  bool armDrag = false;
};

// itemUnderPress: the step under the press, or NoItem.
PressDecision DecidePress(const MouseShift& shift, std::size_t selectedCount,
                          std::int32_t itemUnderPress);
// Carries out the selection part of a decision on the model.
ListChange ApplyPress(StepList& list, const PressDecision& decision);

// The y of the XOR insertion line; NoInsertionLine means none is drawn (it lies below
// any visible item, so erasing a line there changes nothing on screen).
inline constexpr int NoInsertionLine = 5000;

// Drag over: the top of the step under the mouse; below the last step, the bottom of the
// last step minus 1. itemUnderMouse is NoItem below the last step.
std::int64_t InsertionCandidateY(const ListGeometry& geometry, std::int32_t itemUnderMouse);

class InsertionLine {
 public:
  // The two XOR strokes that move the line: first at erase (removing the drawn line),
  // then at draw.
  struct Strokes {
    std::int64_t erase;
    std::int64_t draw;
  };

  // Drag start, and the mouse leaving the list (the caller repaints the list then).
  void Hide() { y_ = NoInsertionLine; }
  // Nothing to draw when the line is already there.
  std::optional<Strokes> MoveTo(std::int64_t candidateY);

 private:
  std::int64_t y_ = NoInsertionLine;
};

// Where a dropped step goes: in front of the step under the drop point, or after the last
// step when dropped below it (itemUnderDrop NoItem). Counts the dragged step's own place.
std::size_t DropTarget(std::size_t count, std::int32_t itemUnderDrop, std::size_t dragged);

// The drop: the dragged step (the current item) moves to DropTarget and ends selected and
// current; the other steps keep their selection. Nothing without a current item.
ListChange DropStep(StepList& list, std::int32_t itemUnderDrop);

}  // namespace vx::editor
