// Values shared by the whole run. The entry routine sets them up at the start
// of each run; flags are true or false, counts 16-bit.
#pragma once

#include <cstdint>
#include <string>

extern std::string gProgramFolder;  // folder of the executable, without trailing backslash
extern std::string gIniFile;        // settings file beside the executable
extern std::string gHelpFile;       // help file beside the executable
extern bool gExeNameDiffers;        // running under another executable name than letloom.exe
extern std::string gDialogFont;     // face of the program's own windows
extern std::string gSystemDir;      // lower case, trailing backslash
extern std::string gWindowsDir;     // lower case, trailing backslash
extern std::string gFontsDir;       // lower case, trailing backslash
extern std::string gFontsKey;       // installed-fonts key under HKEY_LOCAL_MACHINE
extern std::int16_t gInstanceCount;
extern bool gCommandLineMode;       // started with /P or /I
extern std::string gRequestedFile;  // the font file to view, print or install
extern std::string gFontPath;       // the font added to GDI for the session
extern std::string gResourceFile;   // temporary resource file of the install mode
extern std::string gFontTitle;      // full title of the loaded font
extern std::string gTableName;      // face name by which GDI knows it
extern bool gFontLoaded;
extern bool gFontInstalled;
extern std::string gRegistryEntry;

// Back to the values a new run starts with.
void ResetSessionValues();
