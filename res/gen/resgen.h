// resgen draws the program's pictures, icon and sort click in code and encodes
// them as the BMP, ICO and WAV files that letloom.rc compiles in. It is plain
// portable C++: the build compiles it for the build machine to make the files,
// and the tests of both configurations link it to check what was made.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace resgen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// A COLORREF value (0x00BBGGRR), as resource.h gives the key colours.
constexpr Rgb FromColorRef(std::uint32_t c) {
  return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
          static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

// Top row first; the BMP encoder turns it bottom-up.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Image() = default;
  Image(int w, int h, Rgb fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  Rgb& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The pictures, each on its key colour (see resource.h).
Image DrawInstallPicture();          // bitmap 111
Image DrawNotInstalled();            // bitmap 112
Image DrawInstalled();               // bitmap 113
Image DrawBullet();                  // bitmap 114
Image DrawTrueTypeIcon();            // imlIcons image 1
Image DrawOpenTypeIcon();            // imlIcons image 2
Image DrawSortArrow(bool up);        // ARROWUP / ARROWDOWN
Image DrawProgramIcon(int size);     // 32 or 16; transparent where kIconKey
inline constexpr Rgb kIconKey{255, 0, 255};

// 24-bit bottom-up BMP file with BITMAPFILEHEADER and BITMAPINFOHEADER.
std::vector<std::uint8_t> EncodeBmp(const Image& image);
// ICO file, one 32-bit image with AND mask per entry; pixels of `transparent`
// get alpha 0 and a set mask bit.
std::vector<std::uint8_t> EncodeIco(const std::vector<Image>& images, Rgb transparent);

inline constexpr int kClickSampleRate = 11025;
std::vector<std::int16_t> SynthesizeClick();
// 16-bit mono PCM RIFF/WAVE file.
std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate);

struct OutputFile {
  std::string name;  // file name as letloom.rc spells it
  std::vector<std::uint8_t> bytes;
};
std::vector<OutputFile> GenerateAll();

// Writes every file of GenerateAll into folder; false with a message on failure.
bool WriteAll(const std::string& folder, std::string& error);

}  // namespace resgen
