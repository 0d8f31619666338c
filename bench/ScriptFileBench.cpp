// Reading and writing a 65,535-step script against moving the same bytes without decoding.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "core/FileIO.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "bench-script.vxz";
  std::vector<vx::TCommand> steps(65535);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    steps[i] = {vx::ckSetVariable, "name" + std::to_string(i), "value of step " + std::to_string(i),
                "", "a comment", 1};
  }
  const std::string bytes = vx::EncodeScript(steps, 0, -1);
  std::vector<vx::TCommand> back;
  back.reserve(steps.size());

  const double encode = vxbench::BestOf(5, [&] { (void)vx::EncodeScript(steps, 0, -1); });
  const double decode = vxbench::BestOf(5, [&] {
    back.clear();
    vx::ReadScriptSteps(bytes, back);
  });
  std::string copy;
  const double memcopy = vxbench::BestOf(5, [&] { copy.assign(bytes.data(), bytes.size()); });

  const double save = vxbench::BestOf(5, [&] {
    vx::WriteFileReplacing(path, vx::EncodeScript(steps, 0, -1));
  });
  const double saveRaw = vxbench::BestOf(5, [&] { vx::WriteFileReplacing(path, bytes); });
  const double load = vxbench::BestOf(5, [&] {
    back.clear();
    vx::ReadScriptSteps(vx::ReadFileBytes(path), back);
  });
  const double loadRaw = vxbench::BestOf(5, [&] { (void)vx::ReadFileBytes(path); });
  std::remove(path.c_str());

  std::printf("script of %zu steps, %zu bytes\n", steps.size(), bytes.size());
  std::printf("in memory: encode %.2f ms, decode %.2f ms, copy %.3f ms\n", encode * 1e3,
              decode * 1e3, memcopy * 1e3);
  std::printf("save (encode + safe write) / safe write of the bytes: %.2f\n", save / saveRaw);
  std::printf("open (read + decode) / read of the bytes:           %.2f\n", load / loadRaw);
  return 0;
}
