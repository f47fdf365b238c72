// The two names of a font as the platform's font resource file (.fot) gives
// them: the full title by which Windows lists installed fonts ("Arial Bold")
// and the face name by which text is drawn in it ("Arial"). The resource
// file's structure is the platform's; only the texts it is known to carry are
// searched for, so any bytes at all can be passed.
#pragma once

#include <cstdint>
#include <span>
#include <string>

struct ResourceNames {
  std::string title;
  std::string face;
};

// Finds the names in the bytes of a resource file. When the bytes are not a
// resource file (no "MZ" at the start, or no "FONTRES:" text) the names come
// back as given in `unchanged`; when they carry a title but no face-name
// marker, the face comes back empty.
ResourceNames ParseResourceNames(std::span<const uint8_t> file,
                                 ResourceNames unchanged = {"unknown", "unknown"});
