// The step list's commands on 65,535 steps against the same commands on 100 steps. A
// command that is linear in the step count takes about 655 times as long on the long list;
// a quadratic one would take hundreds of times more again.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "core/StepKinds.h"
#include "core/editor/list/ListCommands.h"
#include "core/editor/list/StepBlock.h"

namespace {

using vx::editor::StepList;

StepList MakeList(std::size_t count) {
  std::vector<vx::TCommand> steps(count);
  for (std::size_t i = 0; i < count; ++i) {
    steps[i] = {vx::ckSetVariable, "name" + std::to_string(i), "value", "", "a comment", 1};
  }
  StepList list;
  list.Assign(std::move(steps));
  return list;
}

// Seconds per run of `command` on a fresh copy of `prepared`, the best of five rounds; each
// round runs enough copies that the short list's figure is not lost in the clock's
// resolution. Making the copies is not timed.
template <typename Command>
double PerRun(const StepList& prepared, int copies, Command command) {
  double best = 1e300;
  for (int round = 0; round < 5; ++round) {
    std::vector<StepList> lists(static_cast<std::size_t>(copies), prepared);
    const double took = vxbench::BestOf(1, [&] {
      for (StepList& list : lists) command(list);
    });
    best = std::min(best, took / copies);
  }
  return best;
}

struct Figures {
  double small;
  double large;
};

// makeCommand(count) gives the command to time on a list prepared by prepare(count).
template <typename Prepare, typename MakeCommand>
Figures Measure(Prepare prepare, MakeCommand makeCommand) {
  return {PerRun(prepare(100), 2000, makeCommand(100)),
          PerRun(prepare(65535), 3, makeCommand(65535))};
}

void Print(const char* name, const Figures& f) {
  std::printf("%-46s 100: %8.2f us   65,535: %10.1f us   ratio %6.0f\n", name, f.small * 1e6,
              f.large * 1e6, f.large / f.small);
}

template <typename Command>
auto Always(Command command) {
  return [command](std::size_t) { return command; };
}

}  // namespace

int main() {
  std::printf("commands on the step model; a linear command has a ratio of about 655\n");

  // Half the steps in the list, the other half pasted after the middle one.
  const auto pasteInto = [](std::size_t count) {
    StepList list = MakeList(count / 2);
    list.SetCurrent(static_cast<std::int32_t>(count / 4));
    return list;
  };
  const auto paste = [](std::size_t count) {
    const std::string block = vx::editor::EncodeStepBlock(MakeList(count - count / 2).Steps());
    return [block](StepList& list) {
      vx::editor::PasteBlock(list, *vx::editor::DecodeStepBlock(block));
    };
  };
  Print("paste half the steps (decode, insert)", Measure(pasteInto, paste));

  const auto plain = [](std::size_t count) { return MakeList(count); };
  const auto selectAllMoveDown = [](StepList& list) {
    vx::editor::SelectAllSteps(list);
    vx::editor::MoveSelectedDown(list);
  };
  Print("select all, then move down (nothing moves)", Measure(plain, Always(selectAllMoveDown)));

  const auto everyOther = [](std::size_t count) {
    StepList list = MakeList(count);
    // The last step stays unselected, so that Move Down has somewhere to go.
    for (std::size_t i = 0; i + 1 < count; i += 2) list.SetSelected(i, true);
    return list;
  };
  Print("move down, every other step selected",
        Measure(everyOther, Always([](StepList& list) { vx::editor::MoveSelectedDown(list); })));
  Print("delete, every other step selected",
        Measure(everyOther, Always([](StepList& list) { vx::editor::DeleteSelected(list); })));
  Print(
      "copy (build the block), every other selected",
      Measure(everyOther, Always([](StepList& list) { (void)vx::editor::BuildStepBlock(list); })));
  return 0;
}
