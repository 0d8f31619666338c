// Called by the tests through "Call DLL Function": records what it received.
#include <windows.h>

#include <cstdio>
#include <fstream>

extern "C" __declspec(dllexport) LRESULT CALLBACK
    StepsProbe(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetEnvironmentVariableA("VX_STEPS_PROBE", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  char line[128];
  std::snprintf(line, sizeof(line), "%llu %u %llu %lld",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)), message,
                static_cast<unsigned long long>(wParam), static_cast<long long>(lParam));
  std::ofstream(path, std::ios::binary | std::ios::app) << line << "\n";
  return 7;
}
