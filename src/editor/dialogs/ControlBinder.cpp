#include "editor/dialogs/ControlBinder.h"

#include "core/editor/dialogs/UnheldBoxes.h"

namespace vx::editor {

namespace {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};

ControlValue Read(const BoundControl& bound) {
  ControlValue value;
  std::visit(Overloaded{
                 [&](win32::TEdit* edit) { value.text = edit->Text(); },
                 [&](win32::TCheckBox* box) { value.checked = box->Checked(); },
                 [&](const RadioGroup& group) {
                   for (std::size_t i = 0; i < group.buttons.size(); ++i)
                     if (group.buttons[i]->Checked()) value.index = static_cast<int>(i);
                 },
                 [&](win32::TComboBox* list) { value.index = list->ItemIndex(); },
                 [&](const RefilledList& refilled) {
                   const int count = refilled.list->Count();
                   for (int i = 0; i < count; ++i)
                     value.items.push_back(refilled.list->ItemText(i));
                   value.index = refilled.list->ItemIndex();
                 },
                 [&](TListBoxEx* criteria) { value.text = criteria->Criteria(); },
                 [&](win32::TTrackBar* bar) { value.index = bar->Position(); },
                 [&](const NameBox& name) {
                   if (std::optional<std::string> exact = name.box->ExactText()) {
                     value.text = std::move(*exact);
                   } else {
                     value.text = name.box->Text();
                     value.held = false;
                   }
                 },
             },
             bound);
  return value;
}

void Show(const BoundControl& bound, const ControlValue& value) {
  std::visit(Overloaded{
                 [&](win32::TEdit* edit) {
                   // Setting a box to what it holds would forget the whole text it was set to.
                   if (edit->Text() != value.text) edit->SetText(value.text);
                 },
                 [&](win32::TCheckBox* box) { box->SetChecked(value.checked); },
                 [&](const RadioGroup& group) {
                   for (std::size_t i = 0; i < group.buttons.size(); ++i)
                     group.buttons[i]->SetChecked(static_cast<int>(i) == value.index);
                 },
                 [&](win32::TComboBox* list) { list->SetItemIndex(value.index); },
                 [&](const RefilledList& refilled) {
                   refilled.list->SetItems(value.items);
                   refilled.list->SetItemIndex(value.index);
                 },
                 [&](TListBoxEx* criteria) {
                   if (criteria->Criteria() != value.text)
                     ShowObjectCriteria(*criteria, value.text);
                 },
                 [&](win32::TTrackBar* bar) { bar->SetPosition(value.index); },
                 [&](const NameBox& name) {
                   if (value.held && name.box->ExactText() != value.text)
                     name.box->SetText(value.text);
                 },
             },
             bound);
}

std::string Trimmed(const char* text) {
  const std::string whole = text ? text : "";
  const auto first = whole.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return whole.substr(first, whole.find_last_not_of(' ') - first + 1);
}

}  // namespace

DialogValues ReadControls(std::span<const BoundControl> controls) {
  DialogValues values;
  values.reserve(controls.size());
  for (const BoundControl& bound : controls) values.push_back(Read(bound));
  return values;
}

void ShowControls(std::span<const BoundControl> controls, const DialogValues& values) {
  for (std::size_t i = 0; i < controls.size() && i < values.size(); ++i)
    Show(controls[i], values[i]);
}

bool RefuseUnheldText(const win32::TForm& form, DialogMap map, std::uint8_t kind,
                      std::span<const BoundControl> controls) {
  const DialogValues values = ReadControls(controls);
  const std::optional<int> control = UnheldControl(map, kind, values);
  if (!control) return false;
  const auto* name = std::get_if<NameBox>(&controls[static_cast<std::size_t>(*control)]);
  if (!name) return false;  // only a name box holds what the code page lacks
  return RefuseUnheldText(form, *name);
}

bool RefuseUnheldText(const win32::TForm& form, const NameBox& name) {
  if (name.box->ExactText()) return false;
  const ApplyRefusal refusal = UnheldBoxRefusal(
      form.Def().caption, name.label ? Trimmed(name.label->Def().caption) : "", name.box->Text());
  ::MessageBoxA(form.Handle(), refusal.text.c_str(), refusal.caption.c_str(),
                MB_OK | MB_ICONWARNING);
  name.box->SetFocus();
  name.box->SelectAll();
  return true;
}

}  // namespace vx::editor
