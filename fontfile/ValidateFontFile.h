#pragma once

#include <string>

// True when the path names an existing TrueType or OpenType font file;
// otherwise tells the user why (a message box) and logs it. The path is
// used exactly as given.
bool ValidateFontFile(const std::string& path);
