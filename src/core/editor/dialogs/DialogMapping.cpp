#include "core/editor/dialogs/DialogMapping.h"

#include <algorithm>

#include "core/editor/dialogs/CriteriaBoxes.h"
#include "core/editor/dialogs/VariableBox.h"

namespace vx::editor {

namespace {

std::string* FieldOf(TCommand& step, Slot slot) {
  switch (slot) {
    case Slot::P1:
      return &step.p1;
    case Slot::P2:
      return &step.p2;
    case Slot::P3:
      return &step.p3;
    case Slot::None:
      break;
  }
  return nullptr;
}

std::string ReadField(const TCommand& step, FieldRef field) {
  const std::string* whole = field.slot == Slot::P1   ? &step.p1
                             : field.slot == Slot::P2 ? &step.p2
                             : field.slot == Slot::P3 ? &step.p3
                                                      : nullptr;
  if (!whole) return {};
  return field.sub < 0 ? *whole : GetField(*whole, FieldSeparator, field.sub);
}

std::string StoredText(const ControlBinding& row, const DialogValues& values) {
  if (row.control == NoControl) return std::string(row.fixed);
  return row.codec.apply(row.codec, row, values);
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

const std::string& TextAt(std::span<const std::string_view> texts, int index,
                          std::string& storage) {
  storage.clear();
  if (index >= 0 && index < static_cast<int>(texts.size())) storage = texts[index];
  return storage;
}

// Writes one field of the step from every row of kind that stores into slot.
void ApplySlot(DialogMap map, std::uint8_t kind, Slot slot, const DialogValues& values,
               TCommand& step) {
  std::vector<std::string> parts;
  bool written = false;
  bool split = false;
  std::string whole;
  for (const ControlBinding& row : map) {
    if (row.field.slot != slot || !row.kinds.Has(kind)) continue;
    written = true;
    if (row.field.sub < 0) {
      whole = StoredText(row, values);
      continue;
    }
    split = true;
    const auto at = static_cast<std::size_t>(row.field.sub);
    if (parts.size() <= at) parts.resize(at + 1);
    parts[at] = StoredText(row, values);
  }
  if (!written) return;
  if (split) {
    whole.clear();
    for (std::size_t i = 0; i < parts.size(); ++i) {
      if (i > 0) whole += FieldSeparator;
      whole += parts[i];
    }
  }
  *FieldOf(step, slot) = std::move(whole);
}

}  // namespace

namespace mapping_detail {

void ShowText(const Codec&, const std::string& field, const ControlBinding& row, const ShowContext&,
              DialogValues& values) {
  values[row.control].text = field;
  values[row.control].held = true;
}

std::string ApplyText(const Codec&, const ControlBinding& row, const DialogValues& values) {
  return values[row.control].text;
}

std::string ApplySubField(const Codec&, const ControlBinding& row, const DialogValues& values) {
  return SubFieldBoxPaste(values[row.control].text);
}

void ShowFlag(const Codec& codec, const std::string& field, const ControlBinding& row,
              const ShowContext&, DialogValues& values) {
  values[row.control].checked = !codec.texts.empty() && field == codec.texts[0];
}

std::string ApplyFlag(const Codec& codec, const ControlBinding& row, const DialogValues& values) {
  std::string text;
  return TextAt(codec.texts, values[row.control].checked ? 0 : 1, text);
}

void ShowChoice(const Codec& codec, const std::string& field, const ControlBinding& row,
                const ShowContext&, DialogValues& values) {
  const auto found = std::find(codec.texts.begin(), codec.texts.end(), field);
  values[row.control].index =
      found == codec.texts.end() ? codec.fallback : static_cast<int>(found - codec.texts.begin());
}

void ShowListItem(const Codec& codec, const std::string& field, const ControlBinding& row,
                  const ShowContext&, DialogValues& values) {
  const auto found =
      std::find_if(codec.texts.begin(), codec.texts.end(),
                   [&](std::string_view item) { return SameIgnoringAsciiCase(item, field); });
  values[row.control].index =
      found == codec.texts.end() ? -1 : static_cast<int>(found - codec.texts.begin());
}

std::string ApplyChoice(const Codec& codec, const ControlBinding& row, const DialogValues& values) {
  std::string text;
  return TextAt(codec.texts, values[row.control].index, text);
}

void ShowVariable(const Codec&, const std::string& field, const ControlBinding& row,
                  const ShowContext& context, DialogValues& values) {
  ControlValue& box = values[row.control];
  box.items = context.declared ? *context.declared : std::vector<std::string>{};
  // A box only shown for another kind chooses nothing, not even an entry of an empty name.
  const auto entry = context.ownKind ? FindVariableEntry(box.items, field) : std::nullopt;
  box.index = entry ? static_cast<int>(*entry) : -1;
}

std::string ApplyVariable(const Codec&, const ControlBinding& row, const DialogValues& values) {
  const ControlValue& box = values[row.control];
  return box.index >= 0 && box.index < static_cast<int>(box.items.size())
             ? box.items[static_cast<std::size_t>(box.index)]
             : std::string();
}

void ShowKindChoice(const Codec& codec, const std::string&, const ControlBinding& row,
                    const ShowContext& context, DialogValues& values) {
  const auto found = std::find(codec.kinds.begin(), codec.kinds.end(), context.kind);
  values[row.control].index =
      found == codec.kinds.end() ? -1 : static_cast<int>(found - codec.kinds.begin());
}

std::string ApplyNothing(const Codec&, const ControlBinding&, const DialogValues&) {
  return {};
}

}  // namespace mapping_detail

DialogValues InitialValues(DialogMap map, int controlCount) {
  DialogValues values(static_cast<std::size_t>(controlCount));
  for (const ControlBinding& row : map) {
    if (row.control == NoControl) continue;
    values[row.control].checked = row.checkedAtStart;
    values[row.control].index = row.indexAtStart;
  }
  return values;
}

void ShowStepValues(DialogMap map, const TCommand& step, const ShowContext& context,
                    DialogValues& values) {
  ShowContext shown = context;
  shown.kind = step.kind;
  for (const ControlBinding& row : map) {
    if (row.control == NoControl) continue;
    shown.ownKind = row.kinds.Has(step.kind);
    if (shown.ownKind)
      row.codec.show(row.codec, ReadField(step, row.field), row, shown, values);
    else if (row.shownFor.Has(step.kind))
      row.codec.show(row.codec, std::string(), row, shown, values);
  }
}

void ApplyStepValues(DialogMap map, std::uint8_t kind, const DialogValues& values, TCommand& step) {
  step.kind = kind;
  for (const Slot slot : {Slot::P1, Slot::P2, Slot::P3}) ApplySlot(map, kind, slot, values, step);
}

void EmptyClosedValues(DialogMap map, DialogValues& values) {
  for (const ControlBinding& row : map) {
    if (row.control == NoControl || !row.emptiedAtClose) continue;
    ControlValue& value = values[row.control];
    value = ControlValue{};
    value.checked = row.checkedAtStart;
    value.index = row.indexAtStart;
  }
}

int PageOfControl(DialogMap map, int control) {
  for (const ControlBinding& row : map)
    if (row.control == control) return row.page;
  return -1;
}

}  // namespace vx::editor
