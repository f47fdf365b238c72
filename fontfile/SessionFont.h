// The font on show, added to GDI for as long as the session needs it, and
// the names by which it is listed (its title) and drawn (its face).
#pragma once

#include <string>

// Adds the font file to GDI and learns its names (gFontTitle, gTableName),
// its installed state and registry entry. One leading and one trailing
// double quote are dropped from `path` in place. The font added before is
// removed first. Returns false when the file is missing (with a message),
// when no names can be learnt (names become "unknown", no message) or when
// GDI refuses the font.
bool LoadSessionFont(std::string& path);

// Removes the session font from GDI, if one is loaded, and tells the other
// windows that the fonts changed.
void RemoveSessionFont();

// A path in the candidate's folder that names no existing file: with
// arial.fot taken, aria0.fot, then aria1.fot and so on.
std::string UniqueResourcePath(const std::string& candidate);

struct FontNames {
  std::string title;  // full title, as installed fonts are listed ("Arial Bold")
  std::string face;   // face name by which GDI draws it ("Arial")
  bool fromNamingTable = false;  // not from the platform's resource file
};

// Learns a font file's names from a temporary resource file made at
// `resourcePath` (deleted again unless `keepResourceFile`), or, when the
// platform's resource file yields none, from the font's own naming table.
// False when no source yields both names.
bool LearnFontNames(const std::string& fontPath, const std::string& resourcePath,
                    FontNames& names, bool keepResourceFile = false);

// The temporary resource file path for a font file, in the program folder.
std::string ResourcePathFor(const std::string& fontPath);

// Reads the title and face from a font resource file made by
// CreateScalableFontResourceA. Leaves both unchanged when the file is not
// one; leaves the face empty when the file lacks the face names.
void ReadResourceNames(const std::string& resourceFile, std::string& title, std::string& face);
