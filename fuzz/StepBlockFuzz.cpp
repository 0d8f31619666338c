// Any bytes may sit on the clipboard under the step format, put there by another program:
// decoding must end in steps or in a refusal, never in a crash or a read past the block,
// and the steps it gives must encode back to the bytes they came from.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/editor/list/StepBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto steps = vx::editor::DecodeStepBlock(bytes);
  if (!steps) return 0;
  const std::string again = vx::editor::EncodeStepBlock(*steps);
  if (again.size() > size || bytes.substr(0, again.size()) != again) std::abort();
  return 0;
}
