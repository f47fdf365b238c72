// close_program NAME.exe [SECONDS]
// Asks every running NAME.exe to close the way a user would: WM_CLOSE to
// each of its visible top-level windows (a message box takes it as OK);
// a window that stays, such as the welcome screen, gets Enter (IDOK) as
// well. Again and again until the processes have ended or SECONDS
// (default 10) have passed. Prints each window it closed; exits 0 when none is left.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {
std::set<DWORD> ProcessesNamed(const std::string& name) {
  std::set<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szExeFile, name.c_str()) == 0) ids.insert(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return ids;
}

struct Target {
  const std::set<DWORD>* ids;
  int closed;
  bool pressOk;
};

BOOL CALLBACK CloseWindowOf(HWND hwnd, LPARAM param) {
  auto& target = *reinterpret_cast<Target*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (!target.ids->count(owner) || !IsWindowVisible(hwnd)) return TRUE;
  char caption[260] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  std::printf("closing \"%s\"\n", caption);
  PostMessageA(hwnd, WM_CLOSE, 0, 0);
  if (target.pressOk) PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
  ++target.closed;
  return TRUE;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: close_program NAME.exe [SECONDS]\n");
    return 2;
  }
  const DWORD deadline = GetTickCount() + 1000 * (argc > 2 ? std::atoi(argv[2]) : 10);
  for (int round = 0; GetTickCount() < deadline; ++round) {
    const std::set<DWORD> ids = ProcessesNamed(argv[1]);
    if (ids.empty()) return 0;
    Target target{&ids, 0, round >= 2};
    EnumWindows(CloseWindowOf, reinterpret_cast<LPARAM>(&target));
    Sleep(500);
  }
  std::fprintf(stderr, "close_program: %s still runs\n", argv[1]);
  return 1;
}
