#include "fontfile/SessionFont.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "fontfile/FindInstalledFont.h"
#include "fontfile/ResourceNames.h"
#include "fontfile/ResourcePath.h"
#include "fontfile/cTrueTypeInfo.h"
#include "startup/LogLine.h"
#include "startup/MessageBox.h"
#include "startup/Session.h"
#include "startup/TextRules.h"
#include "startup/Win32Handles.h"
#include "startup/generic32.h"

namespace {
// A resource file is a few kilobytes; anything far larger is not one.
constexpr DWORD kMaxResourceFileSize = 4u << 20;

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxResourceFileSize) return {};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD got = 0;
  if (!bytes.empty() &&
      !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) {
    return {};
  }
  bytes.resize(got);
  return bytes;
}

void BroadcastFontChange() {
  // A hung window elsewhere must not hang the program.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

// The names the font's own naming table gives (Microsoft records, US
// English): full name and family name.
bool NamesFromNamingTable(const std::string& fontPath, FontNames& names) {
  cTrueTypeInfo reader;
  reader.SetTrueTypeFile(fontPath);
  if (reader.FileFormat() == cTrueTypeInfo::kNotAFont) return false;
  reader.LoadFontInfo();
  if (reader.FullFamilyName().empty() || reader.FontFamily().empty()) return false;
  names = {reader.FullFamilyName(), reader.FontFamily(), true};
  return true;
}

// The font file this session has added to GDI and not yet removed.
std::string& AddedFont() {
  static std::string added;
  return added;
}

std::string WithoutOuterQuotes(std::string path) {
  if (!path.empty() && path.front() == '"') path.erase(0, 1);
  if (!path.empty() && path.back() == '"') path.pop_back();
  return path;
}
}  // namespace

std::string UniqueResourcePath(const std::string& candidate) {
  return UniqueResourcePath(candidate, [](const std::string& path) { return PathExists(path); });
}

void ReadResourceNames(const std::string& resourceFile, std::string& title, std::string& face) {
  const std::vector<std::uint8_t> bytes = ReadWholeFile(resourceFile);
  const ResourceNames names = ParseResourceNames(bytes, {title, face});
  title = names.title;
  face = names.face;
}

std::string ResourcePathFor(const std::string& fontPath) {
  return UniqueResourcePath(gProgramFolder + "\\" + ResourceBaseName(fontPath) + ".fot");
}

bool LearnFontNames(const std::string& fontPath, const std::string& resourcePath,
                    FontNames& names, bool keepResourceFile) {
  // The platform's resource file gives the names as Windows lists the font.
  // Wine writes resource files without them, refuses some fonts, and the
  // program folder may be read-only: then the font's naming table tells.
  if (CreateScalableFontResourceA(0, resourcePath.c_str(), fontPath.c_str(), nullptr)) {
    ScopedTempFile resource(resourcePath);
    if (keepResourceFile) resource.release();
    FontNames read;
    ReadResourceNames(resourcePath, read.title, read.face);
    if (!read.title.empty() && !read.face.empty()) {
      names = read;
      return true;
    }
  }
  return NamesFromNamingTable(fontPath, names);
}

bool LoadSessionFont(std::string& path) {
  WriteLog("Attempting to load file into GDI..." + path);
  if (!PathExists(path)) {
    ShowMessage("The font file \"" + path + "\" could not be found.", MB_OK | MB_ICONERROR);
    return false;
  }
  path = WithoutOuterQuotes(path);
  WriteLog("ttfFile$ = " + path);

  RemoveSessionFont();
  gFontPath = path;

  FontNames names;
  const bool named = LearnFontNames(gFontPath, ResourcePathFor(gFontPath), names);
  if (!named) {
    gFontTitle = gTableName = "unknown";
    return false;
  }
  if (AddFontResourceA(gFontPath.c_str()) == 0) {
    // GDI refuses the font: nothing was added, so nothing is to be removed.
    return false;
  }
  if (names.fromNamingTable && !IsScreenFont(names.face)) {
    // Without the platform's word for the face, make sure GDI draws the
    // font under the family name before relying on it.
    RemoveFontResourceA(gFontPath.c_str());
    gFontTitle = gTableName = "unknown";
    return false;
  }
  AddedFont() = gFontPath;
  gFontLoaded = true;
  gFontTitle = names.title;
  gTableName = names.face;

  WriteLog("gFontTitle = " + gFontTitle);
  WriteLog("gTableName = " + gTableName);
  if (!gTableName.empty() && gTableName.front() == '\x02') gTableName.erase(0, 1);
  WriteLog("gFontTitle = " + gFontTitle);
  WriteLog("gTableName = " + gTableName);

  gFontInstalled = false;
  const std::string registered = FindInstalledFont(gFontTitle);
  if (registered != "unknown") {
    gFontInstalled = true;
    gRegistryEntry = gFontTitle + " (TrueType)" + " = " + registered;
    WriteLog("Font is already present on system.");
    WriteLog("Registry entry = " + gRegistryEntry);
  } else {
    WriteLog("Font is not already present on system.");
  }
  WriteLog("Font loaded into GDI OK.");
  return true;
}

void RemoveSessionFont() {
  if (AddedFont().empty()) return;
  RemoveFontResourceA(AddedFont().c_str());
  AddedFont().clear();
  BroadcastFontChange();
}
