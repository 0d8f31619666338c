#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "StepsWin32Rig.h"
#include "core/Errors.h"
#include "core/StepKinds.h"
#include "win32/Handles.h"

namespace {

using ::testing::ElementsAre;
using vxtest::Win32Rig;

// What another program would read: CF_TEXT and the Unicode text the system makes from it.
std::string ClipboardTextFromOutside() {
  if (!::OpenClipboard(nullptr)) return "<cannot open>";
  std::string text = "<none>";
  if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(::GlobalLock(data))) {
      text = bytes;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

std::wstring ClipboardUnicodeFromOutside() {
  if (!::OpenClipboard(nullptr)) return L"<cannot open>";
  std::wstring text = L"<none>";
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
      text = chars;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

TEST(StepsWin32Clipboard, SetGetAndClearRoundTrip) {
  Win32Rig rig;
  rig.Run(vx::ckSetVariable, "name", "World");
  rig.Run(vx::ckSetVariable, "copy", "none yet");
  rig.Run(vx::ckSetClipboard, "Hello %name%\r\nsecond line");
  EXPECT_EQ(ClipboardTextFromOutside(), "Hello World\r\nsecond line");
  EXPECT_EQ(ClipboardUnicodeFromOutside(), L"Hello World\r\nsecond line");

  rig.Run(vx::ckGetClipboard, "copy");
  EXPECT_THAT(rig.state.variables.Lines(),
              ElementsAre("%name%=World", "%copy%=Hello World\r\nsecond line"));

  rig.Run(vx::ckClearClipboard);
  EXPECT_EQ(ClipboardTextFromOutside(), "<none>");
  rig.Run(vx::ckGetClipboard, "copy");
  EXPECT_THAT(rig.state.variables.Lines(), ElementsAre("%name%=World"));

  EXPECT_THAT(rig.log.lines,
              ElementsAre("Creating a new variable name with a value World",
                          "Creating a new variable copy with a value none yet",
                          "Clipboard data changed to: Hello World\r\nsecond line",
                          "\"copy\" changed successfully to Hello World\r\nsecond line",
                          "Clipboard cleared successfully", "\"copy\" changed successfully to "));
}

TEST(StepsWin32Clipboard, ReadsTextThatAnotherProgramPutInUnicodeOnly) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  const wchar_t text[] = L"caf\u00e9";
  vx::win32::UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, sizeof(text)));
  std::memcpy(::GlobalLock(memory.Get()), text, sizeof(text));
  ::GlobalUnlock(memory.Get());
  if (::SetClipboardData(CF_UNICODETEXT, memory.Get()) != nullptr) memory.Release();
  ::CloseClipboard();

  Win32Rig rig;
  rig.Run(vx::ckSetVariable, "v", "x");
  rig.Run(vx::ckGetClipboard, "v");
  EXPECT_THAT(rig.state.variables.Lines(), ElementsAre("%v%=caf\xE9"));
}

TEST(StepsWin32Clipboard, AClipboardHeldOpenElsewhereCannotBeOpened) {
  std::atomic<bool> held{false};
  std::atomic<bool> release{false};
  std::thread holder([&] {
    const vx::win32::UniqueWindow window(
        ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    held = ::OpenClipboard(window.Get()) != FALSE;
    while (!release) ::Sleep(10);
    if (held) ::CloseClipboard();
  });
  if (!vxtest::WaitUntil([&] { return held.load(); })) {
    release = true;
    holder.join();
    FAIL() << "the other window could not open the clipboard";
  }

  Win32Rig rig;
  for (const std::uint8_t kind : {vx::ckClearClipboard, vx::ckSetClipboard, vx::ckGetClipboard}) {
    try {
      rig.Run(kind, "v");
      ADD_FAILURE() << "no error for kind " << int(kind);
    } catch (const vx::ClipboardError& error) {
      EXPECT_STREQ(error.what(), "Cannot open clipboard");
    }
  }
  EXPECT_TRUE(rig.log.lines.empty());
  release = true;
  holder.join();

  rig.Run(vx::ckClearClipboard);
  EXPECT_THAT(rig.log.lines, ElementsAre("Clipboard cleared successfully"));
}

}  // namespace
