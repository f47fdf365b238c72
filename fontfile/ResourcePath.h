// Naming of the temporary font resource files, which live in the program
// folder beside those of other running instances.
#pragma once

#include <functional>
#include <string>

// A path in the candidate's folder for which `exists` is false: the
// candidate itself, else the candidate with the last character of its base
// name replaced by a counter (arial.fot -> aria0.fot, aria1.fot, ...).
std::string UniqueResourcePath(const std::string& candidate,
                               const std::function<bool(const std::string&)>& exists);

// The file name part of a font path without its last four characters (its
// extension), as the resource file's base name.
std::string ResourceBaseName(const std::string& fontPath);
