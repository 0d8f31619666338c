#include "core/CommandLine.h"

#include <type_traits>

namespace vx {

namespace {

template <typename Char>
std::vector<std::basic_string<Char>> Split(std::basic_string_view<Char> commandLine) {
  // Blanks and control characters separate; no other character does, whatever its bytes.
  const auto separates = [](Char c) { return static_cast<std::make_unsigned_t<Char>>(c) <= ' '; };
  std::vector<std::basic_string<Char>> params;
  std::size_t i = 0;
  const std::size_t n = commandLine.size();
  for (;;) {
    while (i < n && separates(commandLine[i])) ++i;
    if (i >= n) break;
    std::basic_string<Char> param;
    bool quoted = false;
    while (i < n && (quoted || !separates(commandLine[i]))) {
      if (commandLine[i] == Char('"'))
        quoted = !quoted;
      else
        param += commandLine[i];
      ++i;
    }
    params.push_back(std::move(param));
  }
  return params;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  return Split(commandLine);
}

std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine) {
  return Split(commandLine);
}

}  // namespace vx
