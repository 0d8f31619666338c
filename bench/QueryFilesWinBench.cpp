// The object query over a folder of 100,000 entries against a bare FindFirstFileA /
// FindNextFileA loop over the same folder: what the criteria tests and the path list cost
// on top of the system's search. Run under Wine.
//
// Creating 100,000 files from inside Wine takes many minutes (each new name is checked
// against the whole folder without regard to case), so a folder made beforehand can be
// named as the only argument, for example one filled from the host with
//   mkdir F && (cd F && seq 0 99999 | sed 's/^/entry/' | xargs touch)
// and given as Z:\path\to\F. Without an argument the program makes and removes its own.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "core/ObjectCriteria.h"
#include "win32/Handles.h"
#include "win32/system/Win32Shell.h"

namespace {

constexpr int kEntries = 100000;

std::string MakeFolder() {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  const std::string folder =
      std::string(temp) + "vx-query-bench-" + std::to_string(::GetCurrentProcessId());
  ::CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < kEntries; ++i) {
    const std::string name = folder + "\\entry" + std::to_string(i) + (i % 2 ? ".txt" : ".doc");
    const vx::win32::UniqueFile file(::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr,
                                                   CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  return folder;
}

void RemoveFolder(const std::string& folder) {
  for (int i = 0; i < kEntries; ++i)
    ::DeleteFileA((folder + "\\entry" + std::to_string(i) + (i % 2 ? ".txt" : ".doc")).c_str());
  ::RemoveDirectoryA(folder.c_str());
}

std::size_t BareLoop(const std::string& folder) {
  std::size_t count = 0;
  WIN32_FIND_DATAA data;
  const vx::win32::UniqueFind search(::FindFirstFileA((folder + "\\*").c_str(), &data));
  if (!search) return 0;
  do {
    ++count;
  } while (::FindNextFileA(search.Get(), &data));
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  const bool own = argc < 2;
  const std::string folder = own ? MakeFolder() : argv[1];
  vx::win32::Win32Shell shell;
  std::vector<std::string> list, leftOut;
  std::size_t bare = 0;
  const double bareTime = vxbench::BestOf(5, [&] { bare = BareLoop(folder); });
  const std::string all = std::string("\x01") + folder + "\x01\x01\x01";
  const double queryTime = vxbench::BestOf(5, [&] { vx::QueryFiles(all, shell, list, leftOut); });
  const std::string txt = std::string("\x01") + folder + "\x01txt\x01\x01";
  std::vector<std::string> half;
  const double filteredTime =
      vxbench::BestOf(5, [&] { vx::QueryFiles(txt, shell, half, leftOut); });
  std::printf("entries: bare %zu, query %zu, txt only %zu\n", bare, list.size(), half.size());
  std::printf(
      "bare loop %.3f s, QueryFiles %.3f s (ratio %.2f), with extension list %.3f s "
      "(ratio %.2f)\n",
      bareTime, queryTime, queryTime / bareTime, filteredTime, filteredTime / bareTime);
  if (own) RemoveFolder(folder);
  return 0;
}
