#include "fontfile/ResourcePath.h"

#include "startup/TextRules.h"

namespace {
std::string DropLast(const std::string& text, std::size_t count) {
  return text.substr(0, text.size() > count ? text.size() - count : 0);
}

std::string LastOf(const std::string& text, std::size_t count) {
  return text.size() > count ? text.substr(text.size() - count) : text;
}
}  // namespace

std::string UniqueResourcePath(const std::string& candidate,
                               const std::function<bool(const std::string&)>& exists) {
  if (!exists(candidate)) return candidate;
  const auto slash = candidate.rfind('\\');
  const std::string folder = slash == std::string::npos ? std::string() : candidate.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? candidate : candidate.substr(slash + 1);
  const std::string base = name.find('.') != std::string::npos ? DropLast(name, 4) : name;
  const std::string extension = LastOf(candidate, 4);
  const std::string stem = folder + DropLast(base, 1);
  // Bounded, so a folder that claims every name cannot hang the program.
  std::string attempt;
  for (long n = 0; n < 100000; ++n) {
    attempt = stem + std::to_string(n) + extension;
    if (!exists(attempt)) break;
  }
  return attempt;
}

std::string ResourceBaseName(const std::string& fontPath) {
  return DropLast(FileNamePart(fontPath), 4);
}
