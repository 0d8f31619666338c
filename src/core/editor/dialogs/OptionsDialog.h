// The options dialog (Tfrmoptions): the player's four settings under "\Software\Vorlix".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vx::editor {

// The values of the settings key, as the registry holds them.
class OptionsStore {
 public:
  virtual ~OptionsStore() = default;
  // nullopt when the value, or the whole key, is missing. A value of another type raises
  // RegistryError "Invalid data type for '%s'".
  virtual std::optional<std::int32_t> ReadInteger(const std::string& name) const = 0;
  virtual std::optional<std::string> ReadString(const std::string& name) const = 0;
  // Create the key when it is missing; a refused write raises RegistryError
  // "Failed to set data for '%s'".
  virtual void WriteInteger(const std::string& name, std::int32_t value) = 0;
  virtual void WriteString(const std::string& name, const std::string& value) = 0;
};

// What the controls hold; the defaults are the form as created and the player's own
// reading of missing settings: off, and the player's own folder for the log.
struct OptionsValues {
  bool log = false;       // chklog, "vpLog"; txtlogpath is enabled while checked
  std::string logPath;    // txtlogpath, "vpLogPath"
  bool show = false;      // chkvpshow, "vpShow"; chkvpextended is enabled while checked
  bool extended = false;  // chkvpextended, "vpExtended"
};

// FormShow: "vpLog", "vpLogPath", "vpShow", "vpExtended" in that order. A missing key or
// value reads as the player reads it (off, empty), without an error. A value of the wrong
// type raises the store's error, as it does in the player; the values read before it are
// already in values and the others keep what they held.
void ReadOptions(const OptionsStore& store, OptionsValues& values);

// Apply: all four, in the same order; flags as 1 or 0, the path as typed. The extended
// flag is written also while its box is disabled. A refused write stops at that value.
void WriteOptions(const OptionsValues& values, OptionsStore& store);

}  // namespace vx::editor
