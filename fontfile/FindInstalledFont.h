#pragma once

#include <string>

// The file name under which a font of this title is registered in the
// installed-fonts key (gFontsKey), in lower case, or "unknown".
std::string FindInstalledFont(const std::string& title);
