#include "fontfile/ResourceNames.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kSignature = "MZ";
constexpr std::string_view kTitleIntro = "FONTRES:";
// The resource's copyright field, which the platform fills with this text;
// the face name follows it.
constexpr std::string_view kFaceMarker = "Windows! Windows! Windows!";

struct Occurrences {
  size_t first = std::string_view::npos;
  size_t second = std::string_view::npos;
};

// The first two (possibly overlapping) places where needle occurs in
// haystack. Knuth-Morris-Pratt, so that a long title in a forged file costs
// time in proportion to the file, not to the product of the two lengths.
Occurrences FindTwice(std::string_view haystack, std::string_view needle) {
  Occurrences found;
  if (needle.empty() || needle.size() > haystack.size()) return found;
  std::vector<size_t> border(needle.size(), 0);
  for (size_t i = 1, k = 0; i < needle.size(); ++i) {
    while (k > 0 && needle[i] != needle[k]) k = border[k - 1];
    if (needle[i] == needle[k]) ++k;
    border[i] = k;
  }
  for (size_t i = 0, k = 0; i < haystack.size(); ++i) {
    while (k > 0 && haystack[i] != needle[k]) k = border[k - 1];
    if (haystack[i] == needle[k]) ++k;
    if (k == needle.size()) {
      const size_t at = i + 1 - needle.size();
      if (found.first == std::string_view::npos) {
        found.first = at;
      } else {
        found.second = at;
        break;
      }
      k = border[k - 1];
    }
  }
  return found;
}

std::string_view Left(std::string_view text, size_t count) { return text.substr(0, count); }

std::string_view From(std::string_view text, size_t start) {
  return start < text.size() ? text.substr(start) : std::string_view();
}

}  // namespace

ResourceNames ParseResourceNames(std::span<const uint8_t> file, ResourceNames unchanged) {
  const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
  if (!bytes.starts_with(kSignature)) return unchanged;
  const size_t intro = bytes.find(kTitleIntro);
  if (intro == std::string_view::npos) return unchanged;

  ResourceNames names;
  std::string_view afterIntro = bytes.substr(intro + kTitleIntro.size());
  const std::string_view title = afterIntro.substr(0, afterIntro.find('\0'));
  names.title = title;

  const size_t marker = bytes.find(kFaceMarker);
  if (marker == std::string_view::npos) return names;

  // After the marker the face name comes just before the title, NUL-ended.
  // The title appears there once for a style such as "Arial Bold"; for a
  // regular style whose face is the title, the face itself is its first
  // appearance and the title proper its second.
  const std::string_view tail = bytes.substr(marker);
  const Occurrences at = FindTwice(tail, title);
  if (at.first == std::string_view::npos) {
    // Nothing to find the face by; the title is the best name left.
    names.face = names.title;
    return names;
  }
  const size_t chosen = at.second != std::string_view::npos ? at.second : at.first;

  // Everything before the chosen title but the NUL that ends the face, and
  // of that the part from its last NUL on.
  const std::string_view before = Left(tail, chosen >= 1 ? chosen - 1 : 0);
  const size_t lastNul = before.rfind('\0');
  const std::string_view lastText = lastNul == std::string_view::npos ? before : before.substr(lastNul);

  // The text opens with the NUL, sometimes with one more byte before the face.
  std::string_view face = From(lastText, 1);
  if (Left(face, 1) != Left(title, 1)) face = From(lastText, 2);
  if (face.empty()) face = title;

  // Anything still in front of the face is cut away where the title's first
  // two letters begin.
  const std::string_view lead = Left(title, 2);
  if (Left(face, 2) != lead) {
    const size_t start = face.find(lead);
    if (start != std::string_view::npos) face = face.substr(start);
  }
  names.face = face;
  return names;
}
