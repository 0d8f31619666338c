// The editor started on a script of its own, with what the list tests need besides: the
// saved steps read back, clicks on the list's lines, the tree's selected node read from the
// editor's memory, the dialogs' controls found by their texts, and the system clipboard.
#pragma once

#include <windows.h>
// windows.h must come before commctrl.h.
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/ScriptFile.h"
#include "core/editor/list/StepBlock.h"
#include "e2e/editor/EditorE2EFixture.h"

namespace vx {
inline void PrintTo(const TCommand& step, std::ostream* out) {
  *out << "{kind " << int(step.kind) << ", \"" << step.p1 << "\", comment \"" << step.p4
       << "\", enabled " << int(step.enabled) << "}";
}
}  // namespace vx

namespace vxtest {

using namespace vx::editor;

// Set Clipboard steps named by their text, so a list's order reads as a row of texts.
inline std::vector<std::string> Texts(const std::vector<vx::TCommand>& steps) {
  std::vector<std::string> texts;
  for (const auto& step : steps) texts.push_back(step.p1);
  return texts;
}

// Memory in another process, for the tree messages that pass pointers.
class RemoteMemory {
 public:
  RemoteMemory(DWORD processId, std::size_t size)
      : process_(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId)),
        size_(size) {
    if (process_)
      address_ = ::VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  ~RemoteMemory() {
    if (address_) ::VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
  }
  char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
  void Write(std::size_t offset, const void* data, std::size_t size) const {
    ::WriteProcessMemory(process_.Get(), At(offset), data, size, nullptr);
  }
  void Read(std::size_t offset, void* data, std::size_t size) const {
    ::ReadProcessMemory(process_.Get(), At(offset), data, size, nullptr);
  }
  bool Ok() const { return address_ != nullptr; }

 private:
  vx::win32::UniqueHandle process_;
  void* address_ = nullptr;
  std::size_t size_;
};

// The first child of parent whose text is text (a dialog's button or radio button).
struct ChildTextSearch {
  std::string text;
  HWND found = nullptr;
};
inline BOOL CALLBACK MatchChildText(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildTextSearch*>(data);
  if (WindowText(child) != search->text) return TRUE;
  search->found = child;
  return FALSE;
}
inline HWND ChildWithText(HWND parent, const std::string& text) {
  ChildTextSearch search{text};
  ::EnumChildWindows(parent, MatchChildText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The system clipboard from the test's side, opened for a window of the test's own: opened
// without one, EmptyClipboard leaves it ownerless and SetClipboardData then fails.
inline HWND ClipboardOwner() {
  static const HWND owner = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                              ::GetModuleHandleA(nullptr), nullptr);
  return owner;
}
inline void PutClipboardText(const std::string& text) {
  ASSERT_TRUE(::OpenClipboard(ClipboardOwner()));
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
  ::GlobalUnlock(memory);
  const bool put = ::SetClipboardData(CF_TEXT, memory) != nullptr;
  ::CloseClipboard();
  ASSERT_TRUE(put);
}
inline void PutClipboardBlock(const std::string& bytes) {
  const UINT format = ::RegisterClipboardFormatA(StepClipboardFormatName);
  ASSERT_TRUE(::OpenClipboard(ClipboardOwner()));
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(::GlobalLock(memory), bytes.data(), bytes.size());
  ::GlobalUnlock(memory);
  const bool put = ::SetClipboardData(format, memory) != nullptr;
  ::CloseClipboard();
  ASSERT_TRUE(put);
}
inline std::optional<std::vector<vx::TCommand>> ClipboardBlock() {
  const UINT format = ::RegisterClipboardFormatA(StepClipboardFormatName);
  if (!::OpenClipboard(ClipboardOwner())) return std::nullopt;
  std::optional<std::vector<vx::TCommand>> steps;
  if (HANDLE data = ::GetClipboardData(format)) {
    const char* bytes = static_cast<const char*>(::GlobalLock(data));
    steps = DecodeStepBlock(std::string_view(bytes, ::GlobalSize(data)));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return steps;
}

// The mouse as a user works it: each event goes through the input queue at a screen point
// (0: a move alone, or MOUSEEVENTF_LEFTDOWN or MOUSEEVENTF_LEFTUP there), so a press
// comes where it was meant even when a move before it was handled late.
inline void MouseAt(POINT screen, DWORD button = 0) {
  const auto normal = [](LONG at, int size) { return (at * 65536 + size - 1) / size; };
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = normal(screen.x, ::GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = normal(screen.y, ::GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
  ::SendInput(1, &input, sizeof input);
}
// The centre of a window's client area, on the screen.
inline POINT CentreOf(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ::ClientToScreen(window, &centre);
  return centre;
}

class EditorListE2E : public EditorE2E {
 protected:
  // Starts the editor on a script of these steps; false when it did not come.
  bool StartWith(const std::vector<vx::TCommand>& steps) {
    script_ = WriteScriptFile("list.vxz", steps);
    if (!Start({script_})) return false;
    tree_ = FindDescendant(window_, "SysTreeView32");
    search_ = FindDescendant(window_, "Edit");
    return tree_ && search_;
  }
  // Saves the document and reads its steps back from the file.
  std::vector<vx::TCommand> Saved() {
    Run(acSave);
    std::vector<vx::TCommand> steps;
    vx::ReadScriptSteps(ReadAll(script_), steps);
    return steps;
  }
  std::vector<std::string> SavedTexts() { return Texts(Saved()); }

  int ItemHeight() const { return static_cast<int>(::SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0)); }
  LPARAM ItemPoint(int index) const {
    return MAKELPARAM(20, index * ItemHeight() + ItemHeight() / 2);
  }
  // Returns once the editor has handled every message posted to the list so far: a command
  // sent afterwards would otherwise overtake them (sent messages go first). The list's
  // item data is used by nothing else.
  void Flush() {
    static LPARAM token = 0x5EED;
    ++token;
    ::PostMessageW(list_, LB_SETITEMDATA, 0, token);
    WaitUntil([&] { return ::SendMessageW(list_, LB_GETITEMDATA, 0, 0) == token; });
  }
  // Line index (from 0) clicked, Ctrl held when adding.
  void Click(int index, bool ctrl = false) {
    ClickItem(index, ctrl);
    Flush();
  }
  // Step positions 1..n selected, the current item on the last of them.
  void SelectPositions(std::initializer_list<int> positions) {
    bool first = true;
    for (int position : positions) {
      Click(position - 1, !first);
      first = false;
    }
  }
  void RightClick(int index) {
    ::PostMessageW(list_, WM_RBUTTONDOWN, MK_RBUTTON, ItemPoint(index));
    ::PostMessageW(list_, WM_RBUTTONUP, 0, ItemPoint(index));
    Flush();
  }
  void DoubleClick(int index) {
    const LPARAM at = ItemPoint(index);
    ::PostMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(list_, WM_LBUTTONUP, 0, at);
    ::PostMessageW(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::PostMessageW(list_, WM_LBUTTONUP, 0, at);
  }
  std::vector<int> SelectedLines() const {
    std::vector<int> lines;
    for (int i = 0; i < ItemCount(); ++i)
      if (::SendMessageW(list_, LB_GETSEL, i, 0) > 0) lines.push_back(i);
    return lines;
  }
  int CurrentLine() const {
    return static_cast<int>(::SendMessageW(list_, LB_GETCARETINDEX, 0, 0));
  }

  void Search(const std::string& text) {
    const std::wstring wide(text.begin(), text.end());
    ::SendMessageW(search_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    Idle();
  }
  HTREEITEM SelectedNode() const {
    return reinterpret_cast<HTREEITEM>(::SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
  }
  std::string SelectedNodeText() const {
    const HTREEITEM node = SelectedNode();
    if (!node) return "(none)";
    RemoteMemory memory(editor_.Id(), 1024);
    if (!memory.Ok()) return "(no access)";
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = memory.At(sizeof item);
    item.cchTextMax = 256;
    memory.Write(0, &item, sizeof item);
    ::SendMessageW(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory.At(0)));
    char text[256] = {};
    memory.Read(sizeof item, text, sizeof text - 1);
    return text;
  }
  // The centre of the selected node's text, on the screen.
  POINT SelectedNodeOnScreen() const {
    const HTREEITEM node = SelectedNode();
    RemoteMemory memory(editor_.Id(), sizeof(RECT));
    RECT r{};
    if (node && memory.Ok()) {
      memory.Write(0, &node, sizeof node);
      ::SendMessageW(tree_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(memory.At(0)));
      memory.Read(0, &r, sizeof r);
    }
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ::ClientToScreen(tree_, &at);
    return at;
  }
  // A double click on the selected node's text, up to its second press: the release is the
  // caller's, as it comes when a user lets go.
  POINT PressTwiceOnSelectedNode() const {
    const POINT at = SelectedNodeOnScreen();
    MovePointer(at);
    MouseAt(at, MOUSEEVENTF_LEFTDOWN);
    MouseAt(at, MOUSEEVENTF_LEFTUP);
    MouseAt(at, MOUSEEVENTF_LEFTDOWN);
    return at;
  }
  void DoubleClickSelectedNode() const { MouseAt(PressTwiceOnSelectedNode(), MOUSEEVENTF_LEFTUP); }
  // Puts the pointer there and waits for it to stay: under Wine the editor's late handling
  // of an earlier move can put the pointer back where that move ended.
  void MovePointer(POINT screen) const {
    const auto there = [&] {
      POINT now{};
      ::GetCursorPos(&now);
      return now.x == screen.x && now.y == screen.y;
    };
    for (int tries = 0; tries < 5; ++tries) {
      MouseAt(screen);
      WaitUntil(there, 1000);
      Idle();
      if (there()) return;
    }
  }
  // Clicks a dialog's button through the pointer and waits for the dialog to go.
  void ClickButton(HWND dialog, const std::string& caption) {
    const POINT at = CentreOf(ChildWithText(dialog, caption));
    MovePointer(at);
    MouseAt(at, MOUSEEVENTF_LEFTDOWN);
    MouseAt(at, MOUSEEVENTF_LEFTUP);
    WaitUntil([&] { return !::IsWindowVisible(dialog); });
    Idle();
  }

  // A dialog of the editor's (class name) once it shows; null when it does not come.
  HWND ShownDialog(const std::string& className) {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
          dialog = FindTopWindow({className, std::nullopt, editor_.Id()});
          return dialog && ::IsWindowVisible(dialog);
        },
        5000);
    return dialog && ::IsWindowVisible(dialog) ? dialog : nullptr;
  }
  // Presses a button of a dialog and waits for the dialog to go.
  void Press(HWND dialog, const std::string& caption) {
    ::PostMessageW(ChildWithText(dialog, caption), BM_CLICK, 0, 0);
    WaitUntil([&] { return !::IsWindowVisible(dialog); });
    Idle();
  }
  bool Checked(HWND dialog, const std::string& caption) {
    return ::SendMessageW(ChildWithText(dialog, caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  // The text of the editor's message box showing now, after pressing OK on it.
  std::string AnyBoxText() {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindMessageBox({.processId = editor_.Id()})) != nullptr; }))
      return "(no box)";
    const std::string text = MessageBoxText(box);
    PressBoxButton(box, IDOK);
    WaitUntil([&] { return !::IsWindow(box); });
    Idle();
    return text;
  }

  std::string script_;
  HWND tree_ = nullptr;
  HWND search_ = nullptr;
};

inline std::vector<vx::TCommand> Numbered(int count) {
  std::vector<vx::TCommand> steps;
  for (int i = 1; i <= count; ++i) steps.push_back(Step(vx::ckSetClipboard, std::to_string(i)));
  return steps;
}
inline std::vector<std::string> Row(std::initializer_list<const char*> texts) {
  return {texts.begin(), texts.end()};
}

}  // namespace vxtest
