#include "core/editor/list/ActionTree.h"

#include <utility>

namespace vx::editor {

const std::array<ActionTreeNode, ActionTreeNodeCount> ActionTree = {{
    {"Clipboard", 0, -1, 0},
    {"Get Clipboard", 1, 0, 1},
    {"Set Clipboard", 1, 0, 2},
    {"Clear Clipboard", 1, 0, 3},
    {"Disk Operations", 0, -1, 4},
    {"Copy Object", 1, 4, 5},
    {"Move Object", 1, 4, 6},
    {"Rename Object", 1, 4, 7},
    {"Delete Object", 1, 4, 8},
    {"Run Object", 1, 4, 9},
    {"Read From File", 1, 4, 10},
    {"Write To File", 1, 4, 11},
    {"Internet", 0, -1, 12},
    {"Send Email", 1, 12, 13},
    {"Ftp Upload File", 1, 12, 14},
    {"Ftp Download File", 1, 12, 15},
    {"Ftp Rename File", 1, 12, 16},
    {"Ftp Delete File", 1, 12, 17},
    {"Window", 0, -1, 18},
    {"Show Message", 1, 18, 19},
    {"Activate Window", 1, 18, 20},
    {"Minimize Window", 1, 18, 21},
    {"Maximize Window", 1, 18, 22},
    {"Close Window", 1, 18, 23},
    {"Kill Window", 1, 18, 24},
    {"Close All Windows", 1, 18, 25},
    {"Show Desktop", 1, 18, 26},
    {"User Input", 0, -1, 27},
    {"Send Keys", 1, 27, 28},
    {"Mouse Move", 1, 27, 29},
    {"Mouse Click", 1, 27, 30},
    {"System", 0, -1, 31},
    {"Wait", 1, 31, 32},
    {"Set Variable", 1, 31, 33},
    {"Execution Speed", 1, 31, 34},
    {"Call DLL Function", 1, 31, 35},
    {"Lock Computer", 1, 31, 36},
    {"Log OFF Current User", 1, 31, 37},
    {"Restart Windows", 1, 31, 38},
    {"Hibernate System", 1, 31, 39},
    {"Shutdown Windows", 1, 31, 40},
    {"Record", 0, -1, 41},
}};

std::string AsciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

int SearchActionTree(const std::string& text) {
  if (text.empty()) return -1;
  const std::string wanted = AsciiLower(text);
  for (std::size_t i = 0; i < ActionTree.size(); ++i) {
    if (AsciiLower(ActionTree[i].text).find(wanted) != std::string::npos) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

StepDialog DialogForFamily(const std::string& familyText) {
  static const std::pair<const char*, StepDialog> families[] = {
      {"Disk Operations", StepDialog::FileOp}, {"Internet", StepDialog::Internet},
      {"Window", StepDialog::Window},          {"System", StepDialog::System},
      {"User Input", StepDialog::UserInput},   {"Clipboard", StepDialog::Clipboard},
  };
  for (const auto& [text, dialog] : families) {
    if (familyText == text) return dialog;
  }
  return StepDialog::None;
}

StepDialog DialogForKind(std::uint8_t kind) {
  if (kind >= 197 && kind <= 199) return StepDialog::Clipboard;
  if (kind >= 207 && kind <= 209) return StepDialog::UserInput;
  if ((kind >= 212 && kind <= 219) || kind == 254) return StepDialog::System;
  if (kind >= 222 && kind <= 229) return StepDialog::Window;
  if (kind >= 235 && kind <= 239) return StepDialog::Internet;
  if (kind >= 243 && kind <= 249) return StepDialog::FileOp;
  if (kind == 255) return StepDialog::Record;
  return StepDialog::None;
}

TreeDoubleClick DecideTreeDoubleClick(int selectedNode) {
  if (selectedNode < 0 || selectedNode >= static_cast<int>(ActionTree.size())) return {};
  const ActionTreeNode& node = ActionTree[static_cast<std::size_t>(selectedNode)];
  TreeDoubleClick decision{true, StepDialog::None};
  if (node.level == 1) {
    decision.dialog = DialogForFamily(ActionTree[static_cast<std::size_t>(node.parent)].text);
  } else if (std::string(node.text) == "Record") {
    decision.dialog = StepDialog::Record;
  }
  return decision;
}

}  // namespace vx::editor
