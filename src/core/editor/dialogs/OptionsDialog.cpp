#include "core/editor/dialogs/OptionsDialog.h"

namespace vx::editor {

namespace {

void ReadFlag(const OptionsStore& store, const char* name, bool& flag) {
  flag = store.ReadInteger(name).value_or(0) != 0;
}

}  // namespace

void ReadOptions(const OptionsStore& store, OptionsValues& values) {
  ReadFlag(store, "vpLog", values.log);
  values.logPath = store.ReadString("vpLogPath").value_or(std::string());
  ReadFlag(store, "vpShow", values.show);
  ReadFlag(store, "vpExtended", values.extended);
}

void WriteOptions(const OptionsValues& values, OptionsStore& store) {
  store.WriteInteger("vpLog", values.log ? 1 : 0);
  store.WriteString("vpLogPath", values.logPath);
  store.WriteInteger("vpShow", values.show ? 1 : 0);
  store.WriteInteger("vpExtended", values.extended ? 1 : 0);
}

}  // namespace vx::editor
