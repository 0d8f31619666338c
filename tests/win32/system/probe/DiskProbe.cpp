// Started by the launch tests. Its parameters are read from its command line as words
// "exit=N" and "sleep=N" anywhere in it; it appends "<own name> start <parameters>" and
// later "<own name> end" to probe.log beside itself, and exits with code N.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The command line after the program's own (possibly quoted) path.
std::string Parameters() {
  const std::string line = ::GetCommandLineA();
  std::size_t at = 0;
  if (!line.empty() && line[0] == '"') {
    at = line.find('"', 1);
    at = at == std::string::npos ? line.size() : at + 1;
  } else {
    at = line.find(' ');
    if (at == std::string::npos) at = line.size();
  }
  while (at < line.size() && line[at] == ' ') ++at;
  return line.substr(at);
}

int NumberAfter(const std::string& text, const std::string& key) {
  const std::size_t at = text.find(key);
  return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + key.size());
}

// Each line starts with the program's own file name, so that copies can share one log.
void Note(const std::string& line) {
  char path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string self(path, length);
  const std::size_t cut = self.find_last_of('\\') + 1;
  std::ofstream(self.substr(0, cut) + "probe.log", std::ios::app | std::ios::binary)
      << self.substr(cut) << ' ' << line << "\n";
}

}  // namespace

int main() {
  const std::string parameters = Parameters();
  Note("start " + parameters);
  ::Sleep(static_cast<DWORD>(NumberAfter(parameters, "sleep=")));
  Note("end");
  return NumberAfter(parameters, "exit=");
}
