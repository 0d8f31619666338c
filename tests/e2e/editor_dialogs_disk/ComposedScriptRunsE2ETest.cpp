// The real editor: steps composed through its dialogs, opened from the tree of step kinds,
// saved, and run by the real player.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/StepKinds.h"
#include "e2e/editor/EditorE2EFixture.h"
#include "e2e/editor_dialogs_disk/DiskDialogsRig.h"

namespace vxtest {
namespace {

struct VisibleSearch {
  const char* name;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<VisibleSearch*>(data);
  char name[64] = {};
  ::GetClassNameA(child, name, sizeof name);
  if (::lstrcmpiA(search->name, name) == 0 && ::IsWindowVisible(child))
    search->found.push_back(child);
  return TRUE;
}

// The visible windows of a class inside window, in their order (the shown page's boxes).
std::vector<HWND> VisibleDescendants(HWND window, const char* className) {
  VisibleSearch search{className, {}};
  ::EnumChildWindows(window, &CollectVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct IdCount {
  std::map<int, std::vector<std::string>> classesById;
};

BOOL CALLBACK CountId(HWND child, LPARAM data) {
  char name[64] = {};
  ::GetClassNameA(child, name, sizeof name);
  reinterpret_cast<IdCount*>(data)->classesById[::GetDlgCtrlID(child)].push_back(name);
  return TRUE;
}

// The ids that more than one window inside window has, each with those windows' classes.
std::string SharedIds(HWND window) {
  IdCount count;
  ::EnumChildWindows(window, &CountId, reinterpret_cast<LPARAM>(&count));
  std::string shared;
  for (const auto& [id, classes] : count.classesById) {
    if (classes.size() < 2) continue;
    shared.append(" ").append(std::to_string(id)).append(":");
    for (const std::string& name : classes) shared.append(" ").append(name);
  }
  return shared;
}

class ComposedScriptRuns : public EditorE2E {
 protected:
  // The search selects the node; a double click on it with the real pointer opens its
  // dialog (the tree answers a double click only on an item).
  HWND OpenFromTree(const std::string& node, const char* dialogClass) {
    const HWND search = FindDescendant(window_, "Edit");
    const std::wstring wide(node.begin(), node.end());
    ::SendMessageW(search, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    const HWND tree = FindDescendant(window_, "SysTreeView32");
    const auto item = ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    if (!item) return nullptr;
    const RECT r = ItemRect(tree, item);
    POINT at = {r.left + 4, (r.top + r.bottom) / 2};
    ::ClientToScreen(tree, &at);
    PointerDoubleClick(at);
    return WaitForWindow({dialogClass, std::nullopt, editor_.Id()});
  }
  // The text rectangle of a tree item in the editor's process.
  RECT ItemRect(HWND tree, LRESULT item) const {
    RECT r{};
    const HANDLE process = editor_.Handle();
    void* remote = ::VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return r;
    std::memcpy(&r, &item, sizeof item);
    ::WriteProcessMemory(process, remote, &r, sizeof r, nullptr);
    ::SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote));
    ::ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return r;
  }
  static void SetText(HWND box, const std::string& text) {
    const std::wstring wide(text.begin(), text.end());
    ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  bool Apply(HWND dialog) {
    for (HWND button : VisibleDescendants(dialog, "Button"))
      if (WindowText(button) == "Apply") ::PostMessageW(button, BM_CLICK, 0, 0);
    return WaitUntil([&] { return !::IsWindowVisible(dialog); });
  }
};

// Whatever finds a control by its id (the dialog manager's default button among them) finds
// the one meant: in the main window and every dialog, shown or not, no two share an id.
TEST_F(ComposedScriptRuns, NoTwoControlsOfAWindowShareAnId) {
  ASSERT_TRUE(Start());
  const std::vector<HWND> windows =
      FindTopWindows({.processId = editor_.Id(), .visibleOnly = false});
  int forms = 0;
  for (const HWND window : windows) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name).rfind("Tfrm", 0) != 0) continue;
    ++forms;
    EXPECT_EQ(SharedIds(window), "") << name;
  }
  EXPECT_GE(forms, 12) << "the main window and every dialog";
}

// A step dialog takes typing at once: Wait double-clicked in the tree, 500 typed and Enter
// pressed on the keyboard add a Wait of 500 milliseconds.
TEST_F(ComposedScriptRuns, AStepDialogTakesTypingAtOnce) {
  const std::string script = WriteScriptFile("typed.vxz", {});
  ASSERT_TRUE(Start({script}));
  const HWND system = OpenFromTree("Wait", "Tfrmsystem");
  ASSERT_NE(system, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == system; }));
  TypeKeys({'5', '0', '0', VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(system); }, 5000)) << "still open";
  Run(MainCommand::acSave);
  std::vector<vx::TCommand> saved;
  vx::ReadScriptSteps(ReadAll(script), saved);
  EXPECT_EQ(saved, std::vector<vx::TCommand>{Step(vx::ckWait, "500")});
}

TEST_F(ComposedScriptRuns, AWriteToFileStepComposedInTheDialogsWritesTheVariable) {
  ASSERT_TRUE(Start());
  const HWND system = OpenFromTree("Set Variable", "Tfrmsystem");
  ASSERT_NE(system, nullptr);
  const std::vector<HWND> boxes = VisibleDescendants(system, "Edit");
  ASSERT_EQ(boxes.size(), 2u);
  SetText(boxes[0], "greeting");
  SetText(boxes[1], "hello from the dialogs");
  ASSERT_TRUE(Apply(system));

  const HWND disk = OpenFromTree("Write To File", "Tfrmfileop");
  ASSERT_NE(disk, nullptr);
  const std::vector<HWND> combos = VisibleDescendants(disk, "ComboBox");
  const std::vector<HWND> edits = VisibleDescendants(disk, "Edit");
  ASSERT_EQ(combos.size(), 1u);
  ASSERT_EQ(edits.size(), 1u);
  ::SendMessageW(combos[0], CB_SETCURSEL, 0, 0);
  const std::string output = folder_.File("out.txt");
  SetText(edits[0], output);
  ASSERT_TRUE(Apply(disk));
  ASSERT_TRUE(WaitUntil([&] { return ItemCount() == 2; }));

  const std::string script = folder_.File("composed.vxz");
  Post(MainCommand::acSaveAs);
  ASSERT_TRUE(AnswerFileDialog("Save As", script));
  ASSERT_TRUE(WaitUntil([&] { return ReadFileText(script).has_value(); }));

  SetPlayerSettings({});
  ASSERT_TRUE(RunVexec({script}).finished);
  const auto written = ReadFileText(output);
  ASSERT_TRUE(written.has_value());
  EXPECT_NE(written->find("hello from the dialogs"), std::string::npos);
}

}  // namespace
}  // namespace vxtest
