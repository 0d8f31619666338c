#include <gtest/gtest.h>

#include "core/Errors.h"
#include "win32/system/Registry.h"

namespace vx::win32 {
namespace {

constexpr const char* TestKey = "Software\\VorlixRegistryTest";

class PlayerRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, TestKey);
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, TestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                nullptr),
              ERROR_SUCCESS);
    key_.Reset(key);
  }
  void TearDown() override {
    key_.Reset();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, TestKey);
  }
  void Set(const char* name, DWORD type, const void* data, DWORD size) {
    ::RegSetValueExA(key_.Get(), name, 0, type, static_cast<const BYTE*>(data), size);
  }
  static std::string ErrorOf(const std::function<void()>& read) {
    try {
      read();
    } catch (const RegistryError& e) {
      return e.what();
    }
    return "no error";
  }

  UniqueKey key_;
};

TEST_F(PlayerRegistry, FlagsAreIntegersAndAnythingElseIsAnError) {
  const DWORD one = 1, zero = 0, big = 0x80000000u;
  Set("on", REG_DWORD, &one, 4);
  Set("off", REG_DWORD, &zero, 4);
  Set("big", REG_DWORD, &big, 4);
  Set("text", REG_SZ, "1", 2);
  Set("bytes", REG_BINARY, &one, 4);
  const RegistryReader reader(HKEY_CURRENT_USER, TestKey);
  EXPECT_TRUE(reader.ReadBool("on"));
  EXPECT_FALSE(reader.ReadBool("off"));
  EXPECT_TRUE(reader.ReadBool("big"));
  EXPECT_EQ(reader.ReadInteger("big"), INT32_MIN);
  EXPECT_EQ(ErrorOf([&] { reader.ReadBool("absent"); }), "Failed to get data for 'absent'");
  EXPECT_EQ(ErrorOf([&] { reader.ReadBool("text"); }), "Invalid data type for 'text'");
  EXPECT_EQ(ErrorOf([&] { reader.ReadBool("bytes"); }), "Invalid data type for 'bytes'");
  // The player's reading: missing is off, a wrong type still fails.
  EXPECT_FALSE(reader.ReadBoolOr("absent", false));
  EXPECT_TRUE(reader.ReadBoolOr("on", false));
  EXPECT_EQ(ErrorOf([&] { reader.ReadBoolOr("text", false); }), "Invalid data type for 'text'");
}

TEST_F(PlayerRegistry, TextsReadAsStoredAndMissingAsEmpty) {
  const DWORD one = 1;
  Set("path", REG_SZ, "D:\\logs", 8);
  Set("expand", REG_EXPAND_SZ, "%TEMP%", 7);
  Set("empty", REG_SZ, "", 1);
  Set("number", REG_DWORD, &one, 4);
  const RegistryReader reader(HKEY_CURRENT_USER, TestKey);
  EXPECT_EQ(reader.ReadString("path"), "D:\\logs");
  EXPECT_EQ(reader.ReadString("expand"), "%TEMP%");
  EXPECT_EQ(reader.ReadString("empty"), "");
  EXPECT_EQ(reader.ReadString("absent"), "");
  EXPECT_EQ(ErrorOf([&] { reader.ReadString("number"); }), "Invalid data type for 'number'");
}

// A text another program stored that the ANSI code page cannot hold reads with "?" for what
// it lacks, never as its look-alike ("Lodz" for "Łodz"), and is written back as it was.
TEST_F(PlayerRegistry, ATextTheCodePageCannotHoldIsNotHeldAndWrittenBackWhole) {
  const std::wstring whole = L"C:\\\u0141odz.vxz";
  ::RegSetValueExW(key_.Get(), L"recent1", 0, REG_SZ, reinterpret_cast<const BYTE*>(whole.c_str()),
                   static_cast<DWORD>((whole.size() + 1) * sizeof(wchar_t)));
  const RegistryReader reader(HKEY_CURRENT_USER, TestKey);
  const StoredText read = reader.ReadText("recent1");
  EXPECT_EQ(read.text, "C:\\?odz.vxz");
  EXPECT_FALSE(read.held);
  EXPECT_EQ(reader.ReadWideString("recent1"), whole);
  EXPECT_TRUE(reader.ReadText("absent").held);

  RegistryWriter(HKEY_CURRENT_USER, TestKey).WriteText("recent2", read);
  EXPECT_EQ(reader.ReadWideString("recent2"), whole);
}

TEST_F(PlayerRegistry, MissingKeyReadsAsMissingValues) {
  const RegistryReader reader(HKEY_CURRENT_USER, "Software\\VorlixRegistryTest\\none");
  EXPECT_FALSE(reader.ValueExists("vpShow"));
  EXPECT_EQ(reader.ReadString("vpLogPath"), "");
  EXPECT_EQ(ErrorOf([&] { reader.ReadBool("vpShow"); }), "Failed to get data for 'vpShow'");
}

TEST_F(PlayerRegistry, WrittenValuesReadBackAndBinaryIsTakenOnlyAtItsSize) {
  key_.Reset();
  ::RegDeleteTreeA(HKEY_CURRENT_USER, TestKey);
  {
    RegistryWriter writer(HKEY_CURRENT_USER, std::string(TestKey) + "\\Made");  // created
    writer.WriteInteger("Left", -1234);
    const std::uint8_t widths[] = {0xC8, 0x00, 0x32, 0x01};
    writer.WriteBinary("ListcWidth", widths);
    writer.WriteString("name",
                       "a\xE4"
                       "b");
    writer.WriteString("empty", "");
  }
  const RegistryReader reader(HKEY_CURRENT_USER, std::string(TestKey) + "\\Made");
  EXPECT_EQ(reader.ReadInteger("Left"), -1234);
  EXPECT_EQ(reader.ReadIntegerIfValid("Left"), -1234);
  EXPECT_EQ(reader.ReadIntegerIfValid("ListcWidth"), std::nullopt);
  EXPECT_EQ(reader.ReadBinary("ListcWidth", 4), (std::vector<std::uint8_t>{0xC8, 0, 0x32, 1}));
  EXPECT_EQ(reader.ReadBinary("ListcWidth", 8), std::nullopt);
  EXPECT_EQ(reader.ReadBinary("Left", 4), std::nullopt);
  EXPECT_EQ(reader.ReadBinary("missing", 4), std::nullopt);
  EXPECT_EQ(reader.ReadString("name"),
            "a\xE4"
            "b");
  EXPECT_TRUE(reader.ValueExists("empty"));
  EXPECT_EQ(reader.ReadString("empty"), "");
}

}  // namespace
}  // namespace vx::win32
