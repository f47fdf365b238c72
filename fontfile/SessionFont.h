// The font on show, added to GDI for as long as the session needs it, and
// the names by which it is listed (its title) and drawn (its face).
#pragma once

#include <string>

// Adds the font file to GDI and learns its names (gFontTitle, gTableName),
// its installed state and registry entry. One leading and one trailing
// double quote are dropped from `path` in place. The font added before is
// removed once the new one is in. Returns false, leaving the font before in
// place, when the file is missing (with a message), when no names can be
// learnt (names become "unknown", no message) or when GDI refuses the font.
bool LoadSessionFont(std::string& path);

// Removes the session font from GDI, if one is loaded, and tells the other
// windows that the fonts changed.
void RemoveSessionFont();

// A path in the candidate's folder that names no existing file: with
// arial.fot taken, aria0.fot, then aria1.fot and so on.
std::string UniqueResourcePath(const std::string& candidate);

// Reads the title and face from a font resource file made by
// CreateScalableFontResourceA. Leaves both unchanged when the file is not
// one; leaves the face empty when the file lacks the face names.
void ReadResourceNames(const std::string& resourceFile, std::string& title, std::string& face);
