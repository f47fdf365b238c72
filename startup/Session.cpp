#include "startup/Session.h"

std::string gProgramFolder;
std::string gIniFile;
std::string gHelpFile;
bool gExeNameDiffers = false;
std::string gDialogFont;
std::string gSystemDir;
std::string gWindowsDir;
std::string gFontsDir;
std::string gFontsKey;
std::int16_t gInstanceCount = 0;
bool gCommandLineMode = false;
std::string gRequestedFile;
std::string gFontPath;
std::string gResourceFile;
std::string gFontTitle;
std::string gTableName;
bool gFontLoaded = false;
bool gFontInstalled = false;
std::string gRegistryEntry;

void ResetSessionValues() {
  gProgramFolder.clear();
  gIniFile.clear();
  gHelpFile.clear();
  gExeNameDiffers = false;
  gDialogFont.clear();
  gSystemDir.clear();
  gWindowsDir.clear();
  gFontsDir.clear();
  gFontsKey.clear();
  gInstanceCount = 0;
  gCommandLineMode = false;
  gRequestedFile.clear();
  gFontPath.clear();
  gResourceFile.clear();
  gFontTitle.clear();
  gTableName.clear();
  gFontLoaded = false;
  gFontInstalled = false;
  gRegistryEntry.clear();
}
