// How a step dialog's controls stand for the fields of a step, declared once per dialog as
// a table. Showing a step, Apply and closing the dialog all walk the same table, so a
// control added to a dialog is shown, stored and emptied by adding one row.
//
// A dialog numbers its controls (an enum in its own core file); the table's rows name them
// by that number, and the dialog's values are one ControlValue per number. The Windows side
// binds the same numbers to its real controls and only copies values in and out.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Command.h"

namespace vx::editor {

// What one control holds. A control uses the parts its type has: an edit box or a criteria
// list its text; a check box its `checked`; a radio group or a drop-down list the chosen
// `index` (-1: none), a drop-down list that is refilled at show also its `items`. A box
// that keeps names whole (a Unicode window) may hold characters the ANSI code page lacks:
// its text then shows each as "?" and `held` is false.
struct ControlValue {
  std::string text;
  bool checked = false;
  int index = -1;
  std::vector<std::string> items;
  bool held = true;

  bool operator==(const ControlValue&) const = default;
};
using DialogValues = std::vector<ControlValue>;

// A set of step kinds for constant tables.
class KindSet {
 public:
  constexpr KindSet() = default;
  constexpr KindSet(std::initializer_list<std::uint8_t> kinds) {
    for (const std::uint8_t kind : kinds) bits_[kind / 64] |= std::uint64_t{1} << (kind % 64);
  }
  constexpr bool Has(std::uint8_t kind) const { return (bits_[kind / 64] >> (kind % 64)) & 1; }

 private:
  std::array<std::uint64_t, 4> bits_{};
};

// Where a control's value goes in the step: p1, p2 or p3, whole or one of its sub-fields
// (joined by FieldSeparator).
enum class Slot : std::uint8_t { None, P1, P2, P3 };
struct FieldRef {
  Slot slot = Slot::None;
  std::int8_t sub = -1;  // -1: the whole field
};

inline constexpr int NoControl = -1;

struct ControlBinding;

// What showing knows besides the field: the kind being shown and the declared variables a
// variable box offers.
struct ShowContext {
  std::uint8_t kind = 0;
  const std::vector<std::string>* declared = nullptr;
  bool ownKind = false;  // the row's kinds hold the kind: the field is the step's own
};

// How a field's text and a control's value turn into each other. show receives the field's
// text (empty for a kind that only shows the control) and sets the row's control (and its
// partner); apply gives the field's text. A choice codec keeps its own texts and codes.
struct Codec {
  using ShowFunction = void (*)(const Codec& codec, const std::string& field,
                                const ControlBinding& row, const ShowContext& context,
                                DialogValues& values);
  using ApplyFunction = std::string (*)(const Codec& codec, const ControlBinding& row,
                                        const DialogValues& values);
  ShowFunction show = nullptr;
  ApplyFunction apply = nullptr;
  std::span<const std::string_view> texts = {};  // the field text of each index
  std::span<const std::uint8_t> kinds = {};      // the kind of each index
  int fallback = -1;                             // the index any other text shows
};

namespace mapping_detail {
void ShowText(const Codec&, const std::string&, const ControlBinding&, const ShowContext&,
              DialogValues&);
std::string ApplyText(const Codec&, const ControlBinding&, const DialogValues&);
std::string ApplySubField(const Codec&, const ControlBinding&, const DialogValues&);
void ShowFlag(const Codec&, const std::string&, const ControlBinding&, const ShowContext&,
              DialogValues&);
std::string ApplyFlag(const Codec&, const ControlBinding&, const DialogValues&);
void ShowChoice(const Codec&, const std::string&, const ControlBinding&, const ShowContext&,
                DialogValues&);
void ShowListItem(const Codec&, const std::string&, const ControlBinding&, const ShowContext&,
                  DialogValues&);
std::string ApplyChoice(const Codec&, const ControlBinding&, const DialogValues&);
void ShowVariable(const Codec&, const std::string&, const ControlBinding&, const ShowContext&,
                  DialogValues&);
std::string ApplyVariable(const Codec&, const ControlBinding&, const DialogValues&);
void ShowKindChoice(const Codec&, const std::string&, const ControlBinding&, const ShowContext&,
                    DialogValues&);
std::string ApplyNothing(const Codec&, const ControlBinding&, const DialogValues&);
}  // namespace mapping_detail

// An edit box or criteria list: the text as it stands.
inline constexpr Codec TextCodec{mapping_detail::ShowText, mapping_detail::ApplyText};
// A box whose text becomes one sub-field: a separator byte that reached it is dropped.
inline constexpr Codec SubFieldCodec{mapping_detail::ShowText, mapping_detail::ApplySubField};
// A variable box: refilled with the declared variables at every show, showing the step's
// variable (FindVariableEntry) when the field is its kind's own, else nothing; stores the
// chosen entry, empty when none is.
inline constexpr Codec VariableCodec{mapping_detail::ShowVariable, mapping_detail::ApplyVariable};

// A check box: checked exactly when the field is onOff[0]; stores onOff[0] or onOff[1].
constexpr Codec FlagCodec(std::span<const std::string_view> onOff) {
  return {mapping_detail::ShowFlag, mapping_detail::ApplyFlag, onOff, {}, -1};
}
// A radio group: the first index whose text equals the field, else fallback; stores the
// chosen index's text (empty when none is chosen).
constexpr Codec ChoiceCodec(std::span<const std::string_view> texts, int fallback) {
  return {mapping_detail::ShowChoice, mapping_detail::ApplyChoice, texts, {}, fallback};
}
// A drop-down list with fixed items: the item equal to the field ignoring ASCII case, else
// none; stores the chosen item (empty when none is chosen).
constexpr Codec ListCodec(std::span<const std::string_view> items) {
  return {mapping_detail::ShowListItem, mapping_detail::ApplyChoice, items, {}, -1};
}
// Radio buttons that choose the kind: shows the index of the shown kind; stores nothing.
constexpr Codec KindChoiceCodec(std::span<const std::uint8_t> kinds) {
  return {mapping_detail::ShowKindChoice, mapping_detail::ApplyNothing, {}, kinds, -1};
}

// One row of a dialog's table: a control and the field it stands for.
struct ControlBinding {
  int control = NoControl;  // the dialog's number for the control; NoControl: a fixed text
  int page = 0;             // the page the control lies on
  FieldRef field = {};      // where Apply stores it
  KindSet kinds = {};       // the kinds that show and store it
  KindSet shownFor = {};    // further kinds whose show sets it, from an empty field
  Codec codec = TextCodec;
  bool emptiedAtClose = false;  // closing the dialog empties it
  bool checkedAtStart = false;  // the control as the form is created
  int indexAtStart = -1;
  int partner = NoControl;      // a second control the codec reads and writes
  std::string_view fixed = {};  // NoControl rows: the text Apply stores
};

using DialogMap = std::span<const ControlBinding>;

// Apply refused: a message box (warning icon, OK button, owned by the dialog).
struct ApplyRefusal {
  std::string caption;
  std::string text;
};

// The values of controls as the form is created.
DialogValues InitialValues(DialogMap map, int controlCount);
// Shows step: the rows of its kind take its fields, rows shown for it take an empty field;
// every other control keeps what it held.
void ShowStepValues(DialogMap map, const TCommand& step, const ShowContext& context,
                    DialogValues& values);
// Apply: the fields that kind stores are written; every other field stays. A field made of
// sub-fields is written whole, every separator included.
void ApplyStepValues(DialogMap map, std::uint8_t kind, const DialogValues& values, TCommand& step);
// Closing: the rows marked so go back to how the form was created.
void EmptyClosedValues(DialogMap map, DialogValues& values);
// The rows' page for a control; -1 when no row names it.
int PageOfControl(DialogMap map, int control);

}  // namespace vx::editor
