// Started by the program-path test from a folder deeper than MAX_PATH: writes the path the
// program finds as its own and the file name its error reports give, one a line, to the
// file named by its first argument, which appears only once it is complete.
#include <windows.h>

#include <fstream>
#include <string>

#include "win32/forms/Application.h"
#include "win32/system/ProgramPath.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string part = std::string(argv[1]) + ".part";
  std::ofstream(part, std::ios::binary) << vx::win32::ProgramPath() << "\n"
                                        << vx::win32::ProgramFileName() << "\n";
  return ::MoveFileA(part.c_str(), argv[1]) ? 0 : 1;
}
