#include "core/steps/InputSteps.h"

#include "core/IntegerText.h"
#include "core/StepKinds.h"
#include "core/keys/SendKeys.h"
#include "core/playback/JournalRecord.h"
#include "core/ports/MessageBoxPort.h"
#include "core/steps/ClipboardSteps.h"

namespace vx {

namespace {

constexpr std::uint8_t VkControl = 0x11;
constexpr std::uint32_t KeyUp = 2;

// Ctrl+V with the layout's own "v" key: the focused window pastes the clipboard.
void PasteKeystroke(Keyboard& keys) {
  const auto v = static_cast<std::uint8_t>(keys.VkKeyScanA('v') & 0xFF);
  keys.KeybdEvent(VkControl, 0, 0);
  keys.KeybdEvent(v, 0, 0);
  keys.KeybdEvent(v, 0, KeyUp);
  keys.KeybdEvent(VkControl, 0, KeyUp);
}

void SendKeysStep(StepContext& context, InputPort& input, const TCommand& step) {
  context.log.Add("Sending Keys...");
  if (step.p2 == "a") {
    ReplaceClipboardText(context.ports.clipboard, step.p1);
    PasteKeystroke(input.Keys());
  } else if (step.p2 == "c") {
    SendKeys(step.p1, false, input.Keys(), context.ports.boxes);
  }
}

void MouseMoveStep(StepContext& context, InputPort& input, const TCommand& step) {
  const std::int32_t x = StrToInt(GetField(step.p1, ',', 0));
  const std::int32_t y = StrToInt(GetField(step.p1, ',', 1));
  context.log.Add("Setting Cursor Position...");
  input.SetCursorPos(x, y);
}

}  // namespace

void SendMouseClick(InputPort& input, const std::string& clickType) {
  std::uint32_t down = 0;
  switch (clickType.empty() ? '\0' : clickType[0]) {
    case 'L':
      down = mouseflag::LeftDown;
      break;
    case 'R':
      down = mouseflag::RightDown;
      break;
    case 'M':
      down = mouseflag::MiddleDown;
      break;
    default:
      return;  // no button named: nothing to press
  }
  const std::uint32_t up = down << 1;  // each button's up flag follows its down flag
  const std::string action = GetField(clickType, ' ', 2);
  if (action == "Click") {
    input.MouseEvent(down);
    input.MouseEvent(up);
  } else if (action == "Double") {
    for (int i = 0; i < 2; ++i) {
      input.MouseEvent(down);
      input.MouseEvent(up);
    }
  } else if (action == "Hold") {
    input.MouseEvent(down);
  } else if (action == "Release") {
    input.MouseEvent(up);
  }
}

void ExecuteInputStep(StepContext& context, const TCommand& step) {
  InputPort& input = context.ports.input;
  switch (step.kind) {
    case ckSendKeys:
      SendKeysStep(context, input, step);
      break;
    case ckMouseClick:
      context.log.Add("Sending Mouse Events...");
      SendMouseClick(input, step.p1);
      break;
    case ckMouseMove:
      MouseMoveStep(context, input, step);
      break;
    default:
      break;
  }
}

void ExecuteRecordStep(StepContext& context, const TCommand& step) {
  InputPort& input = context.ports.input;
  context.log.Add("Starting PlayHook...");
  const auto speed = static_cast<std::uint32_t>(StrToInt(step.p2));
  input.StartPlayback(step.p1, speed);
  if (step.p1.empty())
    context.ports.boxes.MessageBoxA("No Recorded data found", "Vorlix", MbOk | MbIconQuestion);
  while (!input.PlaybackFinished()) input.AwaitPlayback();
  context.log.Add("Finished PlayHook successfully.");
}

}  // namespace vx
