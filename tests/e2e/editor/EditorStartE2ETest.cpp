// Starting the editor, with and without a file, its geometry kept across a close, and the
// keys that must not close it.
#include "EditorE2EFixture.h"

namespace vxtest {
namespace {

using vx::editor::acSave;

TEST_F(EditorE2E, StartsEmptyOrWithTheCommandLineFile) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Caption(), "Untitled - Vorlix");
  EXPECT_EQ(ItemCount(), 0);
  // The status bar has one panel; hints show over it.
  EXPECT_EQ(::SendMessageW(FindDescendant(window_, STATUSCLASSNAMEA), SB_GETPARTS, 0, 0), 1);
  EXPECT_TRUE(CloseAnswering(IDNO));
  EXPECT_EQ(lastQuestion_, "Save the changes to this document: Untitled ?");

  // A file given relative to the current folder is opened, and remembered, by its full path;
  // further arguments are ignored.
  const std::string script =
      WriteScriptFile("b.vxz", {Step(vx::ckWait, "1"), Step(vx::ckSendKeys, "x")});
  const std::string before = std::filesystem::current_path().string();
  std::filesystem::current_path(folder_.Path());
  const bool started = Start({"b.vxz", "ignored.vxz"});
  std::filesystem::current_path(before);
  ASSERT_TRUE(started);
  EXPECT_EQ(Caption(), "b.vxz - Vorlix");
  EXPECT_EQ(Items(), (std::vector<std::string>{"Wait", "Send Keys"}));
  EXPECT_EQ(RegistryBytes("recent1"), script);
  EXPECT_TRUE(CloseAnswering(IDNO));

  // A name that names no file: an empty document carrying that name, not remembered; Save
  // then creates the file there.
  ClearVorlixSettings();
  const std::string missing = folder_.File("missing.vxz");
  ASSERT_TRUE(Start({missing}));
  EXPECT_EQ(Caption(), "missing.vxz - Vorlix");
  EXPECT_EQ(ItemCount(), 0);
  EXPECT_EQ(RegistryBytes("recent1"), std::nullopt);
  Run(acSave);
  EXPECT_EQ(ReadAll(missing), vx::EncodeScript({}, 0, -1));
  EXPECT_TRUE(CloseAnswering(IDNO));
}

using Bounds = std::vector<std::optional<std::int32_t>>;

Bounds StoredBounds() {
  return {RegistryInteger("Left"), RegistryInteger("Top"), RegistryInteger("Width"),
          RegistryInteger("Height")};
}
Bounds BoundsOf(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
const Bounds Restored = {37, 41, 611, 457};
void StoreRestored() {
  SetVorlixFlag("Left", 37);
  SetVorlixFlag("Top", 41);
  SetVorlixFlag("Width", 611);
  SetVorlixFlag("Height", 457);
}

TEST_F(EditorE2E, GeometryIsRestoredExactlyAndStoredAsItIsAtClose) {
  // A first start (nothing stored) opens and stores all six values.
  ASSERT_TRUE(Start());
  EXPECT_TRUE(CloseAnswering(IDNO));
  for (const char* name : {"Left", "Top", "Width", "Height", "pnlleftwidth"})
    EXPECT_TRUE(RegistryInteger(name).has_value()) << name;
  EXPECT_EQ(RegistryBytes("ListcWidth").value_or("").size(), 4u);

  StoreRestored();
  const char widths[] = {'\x2D', '\x01', '\x3C', '\x00'};  // 301 and 60
  SetVorlixValue("ListcWidth", REG_BINARY, widths, 4);
  SetVorlixFlag("pnlleftwidth", 250);
  ASSERT_TRUE(Start());
  EXPECT_EQ(BoundsOf(window_), Restored);
  // Closed while maximised: the bounds it has then, everything else as it came.
  ::ShowWindowAsync(window_, SW_MAXIMIZE);
  Bounds maximised;
  ASSERT_TRUE(WaitUntil([&] {
    maximised = BoundsOf(window_);
    return ::IsZoomed(window_) && maximised != Restored;
  }));
  EXPECT_TRUE(CloseAnswering(IDNO));
  EXPECT_EQ(StoredBounds(), maximised);
  EXPECT_EQ(RegistryBytes("ListcWidth"), std::string(widths, 4));
  EXPECT_EQ(RegistryInteger("pnlleftwidth"), 250);
  // The next start opens at those bounds, not maximised.
  ASSERT_TRUE(Start());
  EXPECT_FALSE(::IsZoomed(window_));
  EXPECT_EQ(BoundsOf(window_), maximised);
  EXPECT_TRUE(CloseAnswering(IDNO));

  // Closed while minimised: the bounds it comes back to.
  StoreRestored();
  ASSERT_TRUE(Start());
  ::ShowWindowAsync(window_, SW_MINIMIZE);
  EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(window_) != FALSE; }));
  EXPECT_TRUE(CloseAnswering(IDNO));
  EXPECT_EQ(StoredBounds(), Restored);
}

TEST_F(EditorE2E, BoundsOffTheScreenAndAPanelWiderThanTheWindowComeBackIntoView) {
  StoreRestored();
  SetVorlixFlag("Left", 20000);
  SetVorlixFlag("Top", -20000);
  SetVorlixFlag("pnlleftwidth", 5000);
  ASSERT_TRUE(Start());
  RECT bounds{};
  ::GetWindowRect(window_, &bounds);
  RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  RECT overlap{};
  EXPECT_TRUE(::IntersectRect(&overlap, &bounds, &screen));
  EXPECT_EQ(bounds.right - bounds.left, 611);
  // The panel is as wide as the window lets it be, and stored so.
  RECT panel{};
  ::GetWindowRect(::GetParent(FindDescendant(window_, "SysTreeView32")), &panel);
  ASSERT_LT(panel.right - panel.left, 611);
  EXPECT_TRUE(CloseAnswering(IDNO));
  EXPECT_EQ(RegistryInteger("pnlleftwidth"), panel.right - panel.left);
}

TEST_F(EditorE2E, AGeometryWriteRefusedAtCloseIsReportedAndTheWindowStillCloses) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(SetVorlixKeyAccess("D:(D;;0x6;;;WD)(A;;KA;;;WD)", false));
  ::PostMessageW(window_, WM_CLOSE, 0, 0);
  Answer(IDNO);
  const std::string error = BoxText("Vorlix");
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(SetVorlixKeyAccess("D:(A;;KA;;;WD)", true));
  EXPECT_NE(error.find("Software\\Vorlix"), std::string::npos) << error;
}

TEST_F(EditorE2E, EscNeverClosesTheWindow) {
  ASSERT_TRUE(Start());
  for (HWND target : {list_, window_}) {
    ::PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ::PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  }
  // The next question is New's, not the close question: the Esc keys came and went first.
  Post(vx::editor::acNew);
  EXPECT_EQ(Answer(IDCANCEL), "Save changes to this document: Untitled ?");
  EXPECT_TRUE(::IsWindowVisible(window_));
  EXPECT_TRUE(CloseAnswering(IDNO));
}

}  // namespace
}  // namespace vxtest
