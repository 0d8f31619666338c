#include <gtest/gtest.h>

#include <map>
#include <variant>
#include <vector>

#include "core/Errors.h"
#include "core/editor/dialogs/OptionsDialog.h"

namespace vxtest {
namespace {

using vx::editor::OptionsValues;

// The settings key as a map; a missing key is an empty map.
class FakeStore : public vx::editor::OptionsStore {
 public:
  std::map<std::string, std::variant<std::int32_t, std::string>> values;
  std::vector<std::string> written;
  std::string refuse;  // a value whose write fails

  std::optional<std::int32_t> ReadInteger(const std::string& name) const override {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    if (const auto* number = std::get_if<std::int32_t>(&it->second)) return *number;
    throw vx::RegistryError("Invalid data type for '" + name + "'");
  }
  std::optional<std::string> ReadString(const std::string& name) const override {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    if (const auto* text = std::get_if<std::string>(&it->second)) return *text;
    throw vx::RegistryError("Invalid data type for '" + name + "'");
  }
  void WriteInteger(const std::string& name, std::int32_t value) override { Write(name, value); }
  void WriteString(const std::string& name, const std::string& value) override {
    Write(name, value);
  }

 private:
  void Write(const std::string& name, std::variant<std::int32_t, std::string> value) {
    if (name == refuse) throw vx::RegistryError("Failed to set data for '" + name + "'");
    written.push_back(name);
    values[name] = std::move(value);
  }
};

TEST(OptionsDialog, AMissingKeyShowsThePlayersDefaultsWithoutAnError) {
  FakeStore store;
  OptionsValues values{true, "stale", true, true};
  vx::editor::ReadOptions(store, values);
  EXPECT_FALSE(values.log);
  EXPECT_EQ(values.logPath, "");
  EXPECT_FALSE(values.show);
  EXPECT_FALSE(values.extended);
}

TEST(OptionsDialog, ApplyWritesAllFourInOrderAndShowReadsThemBack) {
  FakeStore store;
  const OptionsValues set{true, "D:\\no such folder", false, true};
  vx::editor::WriteOptions(set, store);
  EXPECT_EQ(store.written,
            (std::vector<std::string>{"vpLog", "vpLogPath", "vpShow", "vpExtended"}));
  EXPECT_EQ(std::get<std::int32_t>(store.values["vpLog"]), 1);
  EXPECT_EQ(std::get<std::int32_t>(store.values["vpShow"]), 0);
  EXPECT_EQ(std::get<std::int32_t>(store.values["vpExtended"]), 1)
      << "written although its box is disabled";
  EXPECT_EQ(std::get<std::string>(store.values["vpLogPath"]), "D:\\no such folder");

  OptionsValues shown;
  vx::editor::ReadOptions(store, shown);
  EXPECT_TRUE(shown.log);
  EXPECT_EQ(shown.logPath, "D:\\no such folder");
  EXPECT_FALSE(shown.show);
  EXPECT_TRUE(shown.extended);

  store.values["vpShow"] = 7;  // any value but 0 is on
  vx::editor::ReadOptions(store, shown);
  EXPECT_TRUE(shown.show);
}

TEST(OptionsDialog, AWrongTypeIsReportedAfterTheValuesBeforeIt) {
  FakeStore store;
  store.values = {{"vpLog", 1}, {"vpLogPath", "C:\\logs"}, {"vpShow", "yes"}, {"vpExtended", 1}};
  OptionsValues values;
  try {
    vx::editor::ReadOptions(store, values);
    FAIL() << "no error";
  } catch (const vx::RegistryError& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'vpShow'");
  }
  EXPECT_TRUE(values.log);
  EXPECT_EQ(values.logPath, "C:\\logs");
  EXPECT_FALSE(values.extended) << "not read past the error";
}

TEST(OptionsDialog, ARefusedWriteStopsAtThatValue) {
  FakeStore store;
  store.refuse = "vpShow";
  EXPECT_THROW(vx::editor::WriteOptions({true, "", true, true}, store), vx::RegistryError);
  EXPECT_EQ(store.written, (std::vector<std::string>{"vpLog", "vpLogPath"}));
}

}  // namespace
}  // namespace vxtest
