// viewer_timing [ROUNDS]
// Times the viewer in-process on the DejaVu fonts: its load (from the start
// of the load to the window shown and painted) and the showing of a dropped
// font (LoadFont and the repaint it causes). Prints the minimum and median of
// ROUNDS (default 5) rounds in milliseconds; not a test, it checks nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "startup/Session.h"
#include "startup/TextRules.h"
#include "startup/generic32.h"
#include "startup/modWindowsVersion.h"
#include "viewer/frmFont.h"

namespace {
const char kDejaVu[] = "Z:\\usr\\share\\fonts\\truetype\\dejavu\\";

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  static const double frequency = [] {
    LARGE_INTEGER f{};
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / frequency;
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t{};
  QueryPerformanceCounter(&t);
  return t;
}

// Runs the messages already queued, and nothing more.
void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;  // the unload's; there is no message loop here
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Paints whatever the last step left invalid, children included.
void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  std::printf("%-34s min %8.1f ms   median %8.1f ms   max %8.1f ms   (%zu rounds)\n", what, times.front(),
              median, times.back(), n);
}

std::string MakeProgramFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "letloom-timing-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

void RemoveProgramFolder(const std::string& folder) {
  WIN32_FIND_DATAA data{};
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + "\\" + data.cFileName).c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

// The session as the entry routine sets it up for view mode, without the
// log, the marker window and the instance count.
void SetUpSession(const std::string& folder, const std::string& file) {
  ResetSessionValues();
  gProgramFolder = folder;
  gIniFile = folder + "\\letloom.ini";
  gHelpFile = folder + "\\letloom.hlp";
  gExeNameDiffers = false;
  gDialogFont = ChooseDialogFont();
  gSystemDir = GetSystemFolder() + "\\";
  gWindowsDir = GetWindowsFolder() + "\\";
  gFontsDir = GetFontsFolder() + "\\";
  gFontsKey = FontsKeyFor(QueryWindowsVersion());
  gRequestedFile = file;
}

void CloseViewer(frmFont& viewer) {
  viewer.Close();
  Pump();
}
}  // namespace

int main(int argc, char** argv) {
  const int rounds = std::max(1, argc > 1 ? std::atoi(argv[1]) : 5);
  const std::string folder = MakeProgramFolder();
  const std::string sans = std::string(kDejaVu) + "DejaVuSans.ttf";
  const std::vector<std::string> dropped = {std::string(kDejaVu) + "DejaVuSerif-Bold.ttf",
                                            std::string(kDejaVu) + "DejaVuSansMono.ttf"};
  for (const std::string& file : dropped) {
    if (!PathExists(file)) {
      std::fprintf(stderr, "viewer_timing: %s is missing\n", file.c_str());
      return 1;
    }
  }

  // The load. The first round is the program's own OpenViewerWindow, cold;
  // its viewer loads only once per process, so later rounds take a fresh
  // window through the same steps (load, let it paint, show).
  std::vector<double> loads;
  double coldLoad = 0;
  std::unique_ptr<frmFont> fresh;
  for (int round = 0; round < rounds + 1; ++round) {
    SetUpSession(folder, sans);
    const LARGE_INTEGER start = Now();
    bool opened;
    if (round == 0) {
      opened = OpenViewerWindow();
    } else {
      fresh = std::make_unique<frmFont>();
      opened = fresh->Load();
      if (opened) {
        DoEvents();
        fresh->Show();
      }
    }
    if (opened) PaintNow(ViewerForm()->hwnd());
    const LARGE_INTEGER shown = Now();
    if (!opened || !ViewerForm()) {
      std::fprintf(stderr, "viewer_timing: the viewer did not load on %s\n", sans.c_str());
      RemoveProgramFolder(folder);
      return 1;
    }
    if (round == 0) coldLoad = Milliseconds(start, shown);
    else loads.push_back(Milliseconds(start, shown));
    if (round == rounds) break;  // the last one stays open for the dropped fonts
    CloseViewer(*ViewerForm());
  }

  // Dropped fonts, in turn, on the open window.
  frmFont& viewer = *ViewerForm();
  std::vector<std::vector<double>> shows(dropped.size());
  for (int round = 0; round < rounds; ++round) {
    for (size_t i = 0; i < dropped.size(); ++i) {
      std::string path = dropped[i];
      const LARGE_INTEGER start = Now();
      viewer.LoadFont(path);
      PaintNow(viewer.hwnd());
      const LARGE_INTEGER shown = Now();
      shows[i].push_back(Milliseconds(start, shown));
      Pump();
    }
  }
  const std::string lastTitle = gFontTitle;
  CloseViewer(viewer);
  RemoveProgramFolder(folder);

  std::printf("viewer load, first in the process  %8.1f ms\n", coldLoad);
  Report("viewer load to shown", loads);
  Report("dropped DejaVu Serif Bold", shows[0]);
  Report("dropped DejaVu Sans Mono", shows[1]);
  std::printf("last font shown: %s\n", lastTitle.c_str());
  return 0;
}
