// Settings file access and the small shared helpers of the program.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "startup/Win32Handles.h"

// --- Settings-style files (letloom.ini, url.ini), through the profile functions.

// At most 99 characters; a key present with an empty value gives "".
std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& fallback, const std::string& file);
// A 16-bit integer; values outside that range are saturated.
std::int16_t ReadIniInt(const std::string& section, const std::string& key,
                        std::int16_t fallback, const std::string& file);
// The result is not looked at: a read-only file silently keeps its old value.
void WriteIniString(const std::string& section, const std::string& key,
                    const std::string& value, const std::string& file);

// Lower case by the system's rules for the ANSI code page.
std::string LowerCase(std::string text);

// --- Folders: each without trailing backslash, lower case.
std::string GetSystemFolder();
std::string GetWindowsFolder();
std::string GetFontsFolder();  // empty when the shell does not know it
// Folder of the running executable, without trailing backslash.
std::string ModuleFolder();

// True when the path names an existing file, or ends in a backslash and
// names a folder that holds files.
bool PathExists(const std::string& path);

// --- Faces and windows.
bool IsScreenFont(const std::string& face);
// Tahoma, else Arial, else MS Sans Serif; empty when none is present.
std::string ChooseDialogFont();

// The fonts ApplyDialogFont makes for one window; they live as long as it.
class DialogFonts {
 public:
  HFONT FontLike(HFONT original, const std::string& face);

 private:
  struct Entry { HFONT original; ScopedFont font; };
  std::vector<Entry> fonts_;
};

// Gives every child control of the window the face at its own size and
// style. Controls without a font are skipped; an empty face leaves the
// controls' own fonts, so the window stays usable.
void ApplyDialogFont(HWND window, const std::string& face, DialogFonts& keep);

// Left at half and top at a third of the space the screen leaves around the window.
void CenterForm(HWND window);

// Selects the whole text of a box entered with the Tab key (not with a click).
void SelectAllOnTab(HWND textBox);

// --- Paths and the shell.
// Opens a document or web address with its program; above 32 is success.
INT_PTR OpenWithShell(const std::string& target);

// True unless the running executable is named LETLOOM.EXE (ExeNameDiffers).
bool ExeNameCheck();
