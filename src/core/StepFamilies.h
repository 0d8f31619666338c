// The families of the step-kind catalogue: which kinds belong together, in the order and
// with the texts and images of the editor's action tree. The tree's content, the step dialog
// that edits a kind and the player's dispatch are all read from this one table, so a kind
// cannot sit in one family in the tree and be edited or performed by another.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace vx {

// The editor edits each family's kinds in one step dialog; the player performs them with one
// function.
enum class StepFamily : std::uint8_t {
  None,  // a code that names no kind: nothing edits or performs it
  Clipboard,
  FileOp,
  Internet,
  Window,
  UserInput,
  System,
  Record,
};

struct StepFamilyEntry {
  StepFamily family;
  // The text of the family's node in the tree; null for a family of a single kind whose own
  // node stands at the tree's top level in its place ("Record").
  const char* text;
  // The 16-pixel image of the family's node (or of its single kind's node); the nodes of its
  // kinds take the images after it, in order: the image strip is drawn in tree order.
  std::uint8_t image;
  std::span<const std::uint8_t> kinds;  // in tree order
};

inline constexpr std::size_t StepFamilyCount = 7;

// In tree order.
extern const std::array<StepFamilyEntry, StepFamilyCount> StepFamilies;

// The family that kind belongs to; None for a code that names no kind (200 to 206 from a
// foreign file, say).
StepFamily FamilyOfKind(std::uint8_t kind);

}  // namespace vx
