// One step of a script, and the splitting of a text field into sub-fields.
#pragma once

#include <cstdint>
#include <string>

namespace vx {

// The same six fields in the same order make a step in memory, in a script file and on
// the step clipboard. p4 is the user's comment; the player never reads it.
struct TCommand {
  std::uint8_t kind = 0;
  std::string p1;
  std::string p2;
  std::string p3;
  std::string p4;
  std::uint8_t enabled = 1;

  bool operator==(const TCommand&) const = default;
};

// Joins the values of a field that carries several (logon data, criteria parts...).
inline constexpr char FieldSeparator = '\x01';

// Sub-field n (from 0) of text split at separator; empty when n is negative or past the
// last field. A separator at the very end closes the last field and opens an empty one.
std::string GetField(const std::string& text, char separator, std::int32_t n);

// Empties the four texts and enables the step; the kind stays.
void ClearStep(TCommand& step);

}  // namespace vx
