#include "startup/ext.h"

#include <windows.h>

#include "fontfile/FindInstalledFont.h"
#include "fontfile/SessionFont.h"
#include "fontfile/ValidateFontFile.h"
#include "startup/Form.h"
#include "startup/MessageBox.h"
#include "startup/Session.h"
#include "startup/SessionLog.h"
#include "startup/TextRules.h"
#include "startup/frmHelper.h"
#include "startup/frmKludge.h"
#include "startup/generic32.h"
#include "startup/modEnumWindows.h"
#include "startup/modWindowsVersion.h"
#include "viewer/frmFont.h"

namespace {
frmKludge& MarkerWindow() {
  static frmKludge marker;
  return marker;
}

std::string WithBackslash(const std::string& folder) { return folder + "\\"; }

void SetUpFolders() {
  gSystemDir = WithBackslash(GetSystemFolder());
  gWindowsDir = WithBackslash(GetWindowsFolder());
  gFontsDir = WithBackslash(GetFontsFolder());
  gFontsKey = FontsKeyFor(QueryWindowsVersion());
}

void LogEnvironment(std::string_view commandLine) {
  WriteLog("System directory - " + gSystemDir);
  WriteLog("Windows directory - " + gWindowsDir);
  WriteLog("Fonts directory - " + gFontsDir);
  WriteLog("Windows Version - " + WindowsVersionText());
  WriteLog("Font registry key - " + gFontsKey);
  WriteLog("Startup parameter - " + std::string(commandLine));
}

EntryOutcome EndSequence() {
  WriteLog("ending OK");
  CloseLog();
  UnloadMarkerWindow();
  return EntryOutcome::Ended;
}

// The end of a run refused at start: no further log line, no shutdown line.
EntryOutcome EndAtOnce() {
  AbandonLog();
  UnloadMarkerWindow();
  return EntryOutcome::EndedSilently;
}

void ShowBothSwitchesMessage() {
  ShowMessage("\r\rThis program cannot print and install fonts at the same time.  Check your "
              "command line parameters and try again.",
              MB_OK | MB_ICONERROR);
}

bool ValidateRequest() {
  if (ValidateFontFile(gRequestedFile)) return true;
  WriteLog("Font file not valid- " + gRequestedFile);
  return false;
}

// Validates gRequestedFile and opens the viewer on it.
EntryOutcome OpenViewer() {
  if (!ValidateRequest()) return EndSequence();
  // From here the viewer's unload ends the run (log, marker window, message loop).
  if (!OpenViewerWindow()) return EndSequence();
  return EntryOutcome::ViewerOpen;
}

EntryOutcome RunInstallMode() {
  WriteLog("/I found in command line.");
  gCommandLineMode = true;
  WriteLog("Font file to install - " + gRequestedFile);
  if (!ValidateRequest()) return EndSequence();

  gFontPath = gRequestedFile;
  gResourceFile = ResourcePathFor(gFontPath);
  // The resource file stays for the installation, which deletes it when it
  // copies the font; whatever happens, it is gone when this mode ends.
  ScopedTempFile resource(gResourceFile);
  FontNames names;
  if (!LearnFontNames(gFontPath, gResourceFile, names, /*keepResourceFile=*/true)) {
    ShowMessage(gFontPath + "\r\rThe names of this font could not be read, so it cannot be "
                "installed.",
                MB_OK | MB_ICONERROR);
    return EndSequence();
  }
  gFontTitle = names.title;
  gTableName = names.face;
  gFontInstalled = FindInstalledFont(gFontTitle) != "unknown";
  if (gFontInstalled) {
    ShowMessage(gFontTitle + "\r\n" + gFontPath + "\r\n\r\nThis font is already installed on your "
                "system and cannot be installed again.",
                MB_OK | MB_ICONERROR);
    WriteLog("Font file already installed.");
    return EndSequence();
  }
  // The installation dialog follows here.
  return EndSequence();
}

EntryOutcome RunPrintMode() {
  WriteLog("/P found in command line.");
  gCommandLineMode = true;
  WriteLog("Font file to print - " + gRequestedFile);
  if (!ValidateRequest()) return EndSequence();
  if (LoadSessionFont(gRequestedFile)) {
    // The print run follows here.
    RemoveSessionFont();
  }
  return EndSequence();
}
}  // namespace

std::string PickDefaultFontFile() {
  for (const char* name : {"tahoma.ttf", "verdana.ttf", "arial.ttf"}) {
    if (PathExists(gFontsDir + name)) return gFontsDir + name;
  }
  WIN32_FIND_DATAA data{};
  ScopedFind find(gFontsDir + "*.ttf", data);
  if (!find) return gFontsDir;
  return gFontsDir + data.cFileName;
}

void UnloadMarkerWindow() { MarkerWindow().Unload(); }

EntryOutcome LetterloomEntry(std::string_view commandLine, const std::string& programFolder) {
  ResetSessionValues();
  gProgramFolder = programFolder;

  gExeNameDiffers = ExeNameCheck();
  gIniFile = programFolder + "\\letloom.ini";
  gHelpFile = programFolder + "\\letloom.hlp";
  OpenLog();
  gDialogFont = ChooseDialogFont();
  SetUpFolders();
  LogEnvironment(commandLine);

  // Marker window, then count the instances through theirs.
  MarkerWindow().Load();
  DoEvents();
  CountRunningInstances();
  DoEvents();
  DoEvents();
  if (EnforceInstanceLimit()) return EndAtOnce();

  const CommandLine parsed = ParseCommandLine(commandLine);
  const bool printOrInstall = parsed.mode == LaunchMode::Print ||
                              parsed.mode == LaunchMode::Install ||
                              parsed.mode == LaunchMode::BothSwitches;
  if (printOrInstall && (gPrintWindowFound || gInstallWindowFound)) {
    // A print or install is already on screen: drop this request silently.
    return EndAtOnce();
  }

  switch (parsed.mode) {
    case LaunchMode::NoArgument:
      WriteLog("No command line parameter.");
      if (ReadIniString("HelpDialogs", "NoFileName", "0", gIniFile) == "0") ShowWelcomeScreen();
      gRequestedFile = PickDefaultFontFile();
      return OpenViewer();
    case LaunchMode::BothSwitches:
      ShowBothSwitchesMessage();
      WriteLog("Both /P and /I in command line.");
      return EndSequence();
    case LaunchMode::View:
      gRequestedFile = parsed.file;
      WriteLog("No /I or /P specified.");
      WriteLog("Font file to view - " + gRequestedFile);
      return OpenViewer();
    case LaunchMode::Install:
      gRequestedFile = parsed.file;
      return RunInstallMode();
    case LaunchMode::Print:
      gRequestedFile = parsed.file;
      return RunPrintMode();
  }
  return EndSequence();
}
