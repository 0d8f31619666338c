// Any bytes may arrive as a script file: reading must end in steps or in the file layer's
// error, never in a crash, and what it read must write back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/Errors.h"
#include "core/ScriptFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<vx::TCommand> steps;
  try {
    vx::ReadScriptSteps(bytes, steps);
  } catch (const vx::InOutError&) {
    return 0;
  }
  const std::string again = vx::EncodeScript(steps, 0, -1);
  // The header word and byte are not kept; everything after them must come back unchanged.
  if (again.size() > size || again.substr(3) != bytes.substr(3, again.size() - 3)) std::abort();
  return 0;
}
