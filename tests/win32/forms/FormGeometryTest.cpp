// Window bounds in screen pixels, the design size as the client size, and a form at
// 144 DPI (in a child process started with the system DPI set to 144).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "FormsRig.h"
#include "win32/Handles.h"
#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::win32 {
namespace {

const MenuItemDef FileItems[] = {{.command = FirstCommandId, .caption = "Exit"}};
const MenuItemDef MenuBar[] = {{.caption = "File", .submenu = FileItems}};

class GeometryForm : public TForm {
 public:
  GeometryForm() {
    CreateForm({.className = "TVxGeometryForm", .caption = "Geometry", .width = 300, .height = 200},
               {{&txt, {.left = 10, .top = 20, .width = 100, .height = 24}}});
    SetMainMenu(MenuBar);
  }
  TEdit txt;
};

RECT ClientOf(const TWinControl& control) {
  RECT r;
  ::GetWindowRect(control.Handle(), &r);
  ::MapWindowPoints(HWND_DESKTOP, control.ParentHandle(), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(FormGeometry, BoundsAreScreenPixelsExactlyAlsoWhileMinimisedOrMaximised) {
  GeometryForm form;
  form.Show();
  const WindowBounds placed = {103, 87, 411, 299};
  form.SetBounds(placed);
  EXPECT_EQ(form.Bounds(), placed);
  EXPECT_EQ(form.RestoredBounds(), placed);

  ::ShowWindow(form.Handle(), SW_MAXIMIZE);
  EXPECT_EQ(form.RestoredBounds(), placed);
  ::ShowWindow(form.Handle(), SW_RESTORE);
  EXPECT_EQ(form.Bounds(), placed);
  ::ShowWindow(form.Handle(), SW_MINIMIZE);
  EXPECT_EQ(form.RestoredBounds(), placed);
  // Bounds set while minimised are the ones the window comes back to.
  const WindowBounds later = {50, 60, 333, 222};
  form.SetBounds(later);
  EXPECT_EQ(form.RestoredBounds(), later);
  ::ShowWindow(form.Handle(), SW_RESTORE);
  EXPECT_EQ(form.Bounds(), later);
}

TEST(FormGeometry, TheDesignSizeIsTheClientSizeBesideTheMenuBar) {
  if (::GetEnvironmentVariableA("VX_FORMS_DPI_CHILD", nullptr, 0)) GTEST_SKIP();
  GeometryForm form;
  ASSERT_EQ(form.Dpi(), 96u);
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.ClientHeight(), 200);
  const RECT edit = ClientOf(form.txt);
  EXPECT_EQ(edit.left, 10);
  EXPECT_EQ(edit.top, 20);
  EXPECT_EQ(edit.right - edit.left, 100);
}

// Runs in the child process only.
TEST(FormGeometry, At144DpiTheDesignScalesAndStaysTheClientSize) {
  if (!::GetEnvironmentVariableA("VX_FORMS_DPI_CHILD", nullptr, 0)) GTEST_SKIP();
  GeometryForm form;
  ASSERT_EQ(form.Dpi(), 144u);
  EXPECT_EQ(form.ClientWidth(), 450);
  EXPECT_EQ(form.ClientHeight(), 300);
  const RECT edit = ClientOf(form.txt);
  EXPECT_EQ(edit.left, 15);
  EXPECT_EQ(edit.top, 30);
  EXPECT_EQ(edit.right - edit.left, 150);
  EXPECT_EQ(edit.bottom - edit.top, 36);
  // Bounds at run time are screen pixels, not scaled again.
  form.SetBounds({100, 90, 400, 300});
  EXPECT_EQ(form.Bounds(), (WindowBounds{100, 90, 400, 300}));
  // Tells the parent that the checks ran here (a skipped test exits with 0 too).
  char marker[MAX_PATH] = {};
  ::GetEnvironmentVariableA("VX_FORMS_DPI_CHILD", marker, MAX_PATH);
  UniqueFile ran(::CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  EXPECT_TRUE(ran);
}

// The system DPI is read once per process: the 144 DPI form runs in a child started while
// the setting says 144.
class SystemDpi {
 public:
  explicit SystemDpi(DWORD dpi) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    key_.Reset(key);
    DWORD size = sizeof old_;
    had_ = ::RegQueryValueExA(key, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_),
                              &size) == ERROR_SUCCESS;
    ::RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                     sizeof dpi);
  }
  ~SystemDpi() {
    if (had_)
      ::RegSetValueExA(key_.Get(), "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_),
                       sizeof old_);
    else
      ::RegDeleteValueA(key_.Get(), "LogPixels");
  }

 private:
  UniqueKey key_;
  DWORD old_ = 96;
  bool had_ = false;
};

TEST(FormGeometry, AFormAt144DpiInAChildProcess) {
  if (::GetEnvironmentVariableA("VX_FORMS_DPI_CHILD", nullptr, 0)) GTEST_SKIP();
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command =
      std::string("\"") + self +
      "\" --gtest_filter=FormGeometry.At144DpiTheDesignScalesAndStaysTheClientSize";
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  const std::string marker = std::string(temp) + "vx_forms_dpi_child.ran";
  ::DeleteFileA(marker.c_str());
  ::SetEnvironmentVariableA("VX_FORMS_DPI_CHILD", marker.c_str());
  DWORD exitCode = 1;
  {
    SystemDpi dpi(144);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &process));
    UniqueHandle child(process.hProcess);
    UniqueHandle thread(process.hThread);
    ::SetEnvironmentVariableA("VX_FORMS_DPI_CHILD", nullptr);
    ASSERT_EQ(::WaitForSingleObject(child.Get(), 60000), WAIT_OBJECT_0);
    ::GetExitCodeProcess(child.Get(), &exitCode);
  }
  EXPECT_EQ(exitCode, 0u) << "the child's own failures are in this test's output";
  EXPECT_NE(::GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "the child ran";
  ::DeleteFileA(marker.c_str());
}

}  // namespace
}  // namespace vx::win32
