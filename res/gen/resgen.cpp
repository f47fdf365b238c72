#include "res/gen/resgen.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string_view>

#include "res/resource.h"

namespace resgen {
namespace {

constexpr Rgb kRed = FromColorRef(CLR_KEY_RED);
constexpr Rgb kCyan = FromColorRef(CLR_KEY_CYAN);
constexpr Rgb kMagenta = FromColorRef(CLR_KEY_MAGENTA);

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kDarkGrey{128, 128, 128};
constexpr Rgb kLightGrey{192, 192, 192};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kGreen{0, 160, 0};

// The colours of the pixel art. No antialiasing anywhere: a pixel blended
// with the key colour would survive the mask and show as a coloured fringe.
Rgb ArtColour(char c) {
  switch (c) {
    case 'k': return kBlack;
    case 'D': return {64, 64, 64};
    case 'd': return kDarkGrey;
    case 'l': return kLightGrey;
    case 'w': return kWhite;
    case 'y': return {255, 255, 0};    // folder, warning sign
    case 'Y': return {255, 255, 176};  // lit edge of a folder
    case 'e': return {224, 192, 0};    // inside of a folder, in shadow
    case 'o': return {128, 128, 0};    // folder and sign outline
    case 'b': return kBlue;
    case 'n': return kNavy;
    case 'g': return kGreen;
    case 'G': return {0, 96, 0};
    case 'r': return {255, 0, 0};
  }
  throw std::logic_error(std::string("resgen: pixel art uses unknown colour '") + c + "'");
}

using Glyph = std::span<const std::string_view>;

// A picture being drawn on its key colour. Painting the key colour, or off
// the picture, is a drawing mistake: it would punch a hole the program shows
// through, so it stops the generator instead of making a bad file.
class Canvas {
 public:
  Canvas(int width, int height, Rgb key) : image_(width, height, key), key_(key) {}

  bool IsBackground(int x, int y) const { return image_.At(x, y) == key_; }

  void Set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= image_.width || y >= image_.height)
      throw std::logic_error("resgen: drawing off the picture");
    if (c == key_) throw std::logic_error("resgen: drawing in the key colour");
    image_.At(x, y) = c;
  }

  // Inclusive bounds, as the pictures are laid out pixel by pixel.
  void Fill(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) Set(x, y, c);
  }

  // Pixel art: one string per row, '.' leaves the pixel as it is.
  void Art(int x, int y, std::initializer_list<std::string_view> rows) {
    int row = 0;
    for (std::string_view line : rows) {
      for (int i = 0; i < static_cast<int>(line.size()); ++i)
        if (line[i] != '.') Set(x + i, y + row, ArtColour(line[i]));
      ++row;
    }
  }

  // A one-colour shape: 'x' marks the pixels to paint.
  void Shape(int x, int y, Glyph rows, Rgb c) {
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
      for (int i = 0; i < static_cast<int>(rows[row].size()); ++i)
        if (rows[row][i] == 'x') Set(x + i, y + row, c);
  }

  // Paints c around a shape so that a letter laid over another stays legible.
  void Halo(int x, int y, Glyph rows, Rgb c) {
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
      for (int i = 0; i < static_cast<int>(rows[row].size()); ++i)
        if (rows[row][i] == 'x')
          for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) Set(x + i + dx, y + row + dy, c);
  }

  Image Take() { return std::move(image_); }

 private:
  Image image_;
  Rgb key_;
};

constexpr std::string_view kGlyphT[] = {
    "xxxxxxxxx",
    "xxxxxxxxx",
    "x..xxx..x",
    "...xxx...",
    "...xxx...",
    "...xxx...",
    "...xxx...",
    "...xxx...",
    "...xxx...",
    "..xxxxx..",
};

constexpr std::string_view kGlyphO[] = {
    "....xxxx....",
    "..xxxxxxxx..",
    ".xxx....xxx.",
    ".xx......xx.",
    "xxx......xxx",
    "xx........xx",
    "xx........xx",
    "xx........xx",
    "xx........xx",
    "xxx......xxx",
    ".xx......xx.",
    ".xxx....xxx.",
    "..xxxxxxxx..",
    "....xxxx....",
};

constexpr std::string_view kGlyphSmallA[] = {
    "...x...",
    "..xxx..",
    "..x.x..",
    ".xx.xx.",
    ".xxxxx.",
    "xx...xx",
    "xx...xx",
};

constexpr std::string_view kGlyphMediumA[] = {
    "...xxx...",
    "...xxx...",
    "..xx.xx..",
    "..xx.xx..",
    "..xx.xx..",
    ".xx...xx.",
    ".xx...xx.",
    ".xxxxxxx.",
    "xx.....xx",
    "xx.....xx",
    "xx.....xx",
    "xx.....xx",
};

constexpr std::string_view kGlyphLargeA[] = {
    ".......xxx.......",
    ".......xxx.......",
    "......xxxxx......",
    "......xxxxx......",
    ".....xxx.xxx.....",
    ".....xxx.xxx.....",
    "....xxx...xxx....",
    "....xxx...xxx....",
    "...xxx.....xxx...",
    "...xxxxxxxxxxx...",
    "..xxxxxxxxxxxxx..",
    "..xxx.......xxx..",
    ".xxx.........xxx.",
    ".xxx.........xxx.",
    "xxxxx.......xxxxx",
};

// A sheet of paper with its top right corner folded down, outlined in black,
// with a grey shadow one pixel right and below. (x, y) is its top left corner.
void Document(Canvas& c, int x, int y, int width, int height, int fold) {
  const int right = x + width - 1, bottom = y + height - 1;
  const int foldX = right - fold, foldY = y + fold;
  for (int py = y; py <= bottom; ++py)
    for (int px = x; px <= right; ++px)
      if (px - foldX <= py - y) c.Set(px, py, kWhite);
  for (int py = y; py <= foldY; ++py)
    for (int px = foldX; px - foldX <= py - y; ++px) c.Set(px, py, kLightGrey);
  for (int px = x; px <= foldX; ++px) c.Set(px, y, kBlack);
  for (int py = y; py <= bottom; ++py) c.Set(x, py, kBlack);
  for (int px = x; px <= right; ++px) c.Set(px, bottom, kBlack);
  for (int py = foldY; py <= bottom; ++py) c.Set(right, py, kBlack);
  for (int i = 0; i <= fold; ++i) {
    c.Set(foldX + i, y + i, kBlack);
    c.Set(foldX, y + i, kBlack);
    c.Set(foldX + i, foldY, kBlack);
  }
  for (int py = foldY + 1; py <= bottom + 1; ++py) c.Set(right + 1, py, kDarkGrey);
  for (int px = x + 1; px <= right + 1; ++px) c.Set(px, bottom + 1, kDarkGrey);
}

// The TrueType mark: a grey T behind a black one, 14 x 14 pixels.
void TrueTypeMark(Canvas& c, int x, int y) {
  c.Shape(x, y, kGlyphT, kDarkGrey);
  c.Halo(x + 5, y + 4, kGlyphT, kWhite);
  c.Shape(x + 5, y + 4, kGlyphT, kBlack);
}

// A shape given by a predicate, filled and outlined wherever a 4-neighbour
// falls outside it.
template <typename Inside>
void OutlinedShape(Canvas& c, int x0, int y0, int x1, int y1, Inside inside, Rgb fill, Rgb edge) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      if (!inside(x, y)) continue;
      const bool border = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      c.Set(x, y, border ? edge : fill);
    }
}

void PutLE16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutLE32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutLE16(out, v & 0xFFFF);
  PutLE16(out, v >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// BITMAPINFOHEADER with no compression and no palette.
void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bits, std::uint32_t imageSize) {
  PutLE32(out, 40);
  PutLE32(out, static_cast<std::uint32_t>(width));
  PutLE32(out, static_cast<std::uint32_t>(height));
  PutLE16(out, 1);
  PutLE16(out, static_cast<unsigned>(bits));
  PutLE32(out, 0);  // BI_RGB
  PutLE32(out, imageSize);
  PutLE32(out, 2835);  // 72 dpi, what GDI assumes for a screen picture anyway
  PutLE32(out, 2835);
  PutLE32(out, 0);
  PutLE32(out, 0);
}

}  // namespace

Image DrawInstallPicture() {
  Canvas c(36, 83, kCyan);

  Document(c, 6, 1, 22, 28, 6);
  TrueTypeMark(c, 10, 8);

  // Downward arrow: a shaft, then a head narrowing by one pixel a side per row.
  OutlinedShape(
      c, 8, 32, 27, 50,
      [](int x, int y) {
        if (y >= 32 && y <= 41) return x >= 14 && x <= 21;
        if (y >= 42 && y <= 50) return x >= 8 + (y - 42) && x <= 27 - (y - 42);
        return false;
      },
      kGreen, ArtColour('G'));

  // The folder: tab and back panel, three letters A standing in it, then the
  // front panel hiding their feet.
  const Rgb edge = ArtColour('o'), inside = ArtColour('e'), yellow = ArtColour('y'), lit = ArtColour('Y');
  c.Fill(2, 53, 12, 53, edge);
  c.Fill(1, 54, 1, 81, edge);
  c.Fill(13, 54, 13, 56, edge);
  c.Fill(2, 54, 12, 56, lit);
  c.Fill(13, 56, 33, 56, edge);
  c.Fill(33, 56, 33, 81, edge);
  c.Fill(2, 57, 32, 80, inside);
  c.Shape(3, 58, kGlyphMediumA, ArtColour('r'));
  c.Shape(13, 57, kGlyphMediumA, kGreen);
  c.Shape(23, 59, kGlyphMediumA, kBlue);
  c.Fill(1, 67, 33, 67, edge);
  c.Fill(2, 68, 32, 80, yellow);
  c.Fill(2, 68, 32, 68, lit);
  c.Fill(2, 69, 2, 80, lit);
  c.Fill(1, 81, 33, 81, edge);
  c.Fill(34, 57, 34, 82, ArtColour('D'));
  c.Fill(2, 82, 33, 82, ArtColour('D'));
  return c.Take();
}

Image DrawNotInstalled() {
  Canvas c(16, 16, kRed);
  c.Art(0, 0, {
      "................",
      ".......kk.......",
      "......kyyk......",
      "......kyyk......",
      ".....kykkyk.....",
      ".....kykkyk.....",
      "....kyykkyyk....",
      "....kyykkyyk....",
      "...kyyykkyyyk...",
      "...kyyykkyyyk...",
      "..kyyyyyyyyyyk..",
      "..kyyyykkyyyyk..",
      ".kyyyyykkyyyyyk.",
      ".kyyyyyyyyyyyyk.",
      ".kkkkkkkkkkkkkk.",
      "................",
  });
  return c.Take();
}

Image DrawInstalled() {
  Canvas c(16, 16, kRed);
  c.Art(0, 0, {
      "................",
      "................",
      "..oooo..........",
      ".oYYYYo.........",
      "oYYYYYYoooooooo.",
      "oYyyyyyyyyyyyyok",
      "oYyyyyyyyyyyyyok",
      "oYyyyyyyyyyyyyok",
      "oYyyyyyyyyyyyyok",
      "oYyyyyyyyyyyyyok",
      "oYyyyyyyyyyyyyok",
      "oYyyyyyyyyyyyyok",
      "oYyyyyyyyyyyyyok",
      "oyyyyyyyyyyyyyok",
      "oooooooooooooook",
      ".kkkkkkkkkkkkkk.",
  });
  c.Shape(4, 6, kGlyphSmallA, kBlue);
  return c.Take();
}

Image DrawBullet() {
  // A sphere of radius 5 lit from the upper left. A pixel belongs to the ball
  // when its centre lies inside the circle, which leaves the corners red.
  Canvas c(10, 10, kRed);
  const double lx = -0.45, ly = -0.5, lz = 0.74;  // unit length
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const double dx = (x + 0.5 - 5) / 5, dy = (y + 0.5 - 5) / 5;
      const double d2 = dx * dx + dy * dy;
      if (d2 > 1) continue;
      const double dz = std::sqrt(1 - d2);
      const double diffuse = std::max(0.0, dx * lx + dy * ly + dz * lz);
      const double shine = std::pow(diffuse, 16);
      const int v = std::clamp(static_cast<int>(std::lround(56 + 164 * diffuse + 35 * shine)), 0, 255);
      const auto g = static_cast<std::uint8_t>(v);
      c.Set(x, y, {g, g, g});
    }
  return c.Take();
}

Image DrawTrueTypeIcon() {
  Canvas c(IML_ICONS_CX, IML_ICONS_CY, kRed);
  Document(c, 2, 0, 22, 31, 7);
  TrueTypeMark(c, 6, 10);
  return c.Take();
}

Image DrawOpenTypeIcon() {
  Canvas c(IML_ICONS_CX, IML_ICONS_CY, kRed);
  Document(c, 2, 0, 22, 31, 7);
  c.Shape(7, 10, kGlyphO, kBlack);
  return c.Take();
}

Image DrawSortArrow(bool up) {
  Canvas c(IMG_SORT_CX, IMG_SORT_CY, kMagenta);
  // A plain dark triangle: it has to read on any button face colour.
  constexpr std::string_view rows[] = {
      "..........",
      "....D.....",
      "...DDD....",
      "..DDDDD...",
      ".DDDDDDD..",
      "DDDDDDDDD.",
      "..........",
  };
  for (int y = 0; y < IMG_SORT_CY; ++y)
    for (int x = 0; x < IMG_SORT_CX; ++x)
      if (const char p = rows[up ? y : IMG_SORT_CY - 1 - y][x]; p != '.') c.Set(x, y, ArtColour(p));
  return c.Take();
}

Image DrawProgramIcon(int size) {
  Canvas c(size, size, kIconKey);
  if (size == 32) {
    Document(c, 4, 0, 23, 31, 7);
    c.Shape(7, 11, kGlyphLargeA, kNavy);
  } else if (size == 16) {
    Document(c, 2, 0, 11, 15, 4);
    c.Shape(4, 6, kGlyphSmallA, kNavy);
  } else {
    throw std::invalid_argument("resgen: the program icon comes in 32 and 16 pixels only");
  }
  return c.Take();
}

std::vector<std::uint8_t> EncodeBmp(const Image& image) {
  const int rowBytes = (image.width * 3 + 3) & ~3;
  const auto imageSize = static_cast<std::uint32_t>(rowBytes) * image.height;
  std::vector<std::uint8_t> out;
  out.reserve(54 + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutLE32(out, 54 + imageSize);
  PutLE32(out, 0);
  PutLE32(out, 54);
  PutInfoHeader(out, image.width, image.height, 24, imageSize);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb p = image.At(x, y);
      out.insert(out.end(), {p.b, p.g, p.r});
    }
    out.resize(out.size() + (rowBytes - image.width * 3), 0);
  }
  return out;
}

std::vector<std::uint8_t> EncodeIco(const std::vector<Image>& images, Rgb transparent) {
  std::vector<std::vector<std::uint8_t>> bodies;
  for (const Image& im : images) {
    if (im.width > 255 || im.height > 255) throw std::invalid_argument("resgen: icon too large");
    const int maskRow = ((im.width + 31) / 32) * 4;
    const auto colourSize = static_cast<std::uint32_t>(im.width) * im.height * 4;
    const auto maskSize = static_cast<std::uint32_t>(maskRow) * im.height;
    std::vector<std::uint8_t> body;
    // An icon's header counts the colour and the mask rows together.
    PutInfoHeader(body, im.width, im.height * 2, 32, colourSize + maskSize);
    for (int y = im.height - 1; y >= 0; --y)
      for (int x = 0; x < im.width; ++x) {
        const Rgb p = im.At(x, y);
        // Transparent pixels are black in the colour rows, so that a system
        // drawing with the AND mask alone leaves the screen unchanged there.
        if (p == transparent)
          body.insert(body.end(), {0, 0, 0, 0});
        else
          body.insert(body.end(), {p.b, p.g, p.r, 255});
      }
    for (int y = im.height - 1; y >= 0; --y) {
      std::vector<std::uint8_t> row(static_cast<size_t>(maskRow), 0);
      for (int x = 0; x < im.width; ++x)
        if (im.At(x, y) == transparent) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      body.insert(body.end(), row.begin(), row.end());
    }
    bodies.push_back(std::move(body));
  }

  std::vector<std::uint8_t> out;
  PutLE16(out, 0);
  PutLE16(out, 1);  // icon, not cursor
  PutLE16(out, static_cast<unsigned>(images.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(images[i].width));
    out.push_back(static_cast<std::uint8_t>(images[i].height));
    out.push_back(0);  // no palette
    out.push_back(0);
    PutLE16(out, 1);
    PutLE16(out, 32);
    PutLE32(out, static_cast<std::uint32_t>(bodies[i].size()));
    PutLE32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<std::int16_t> SynthesizeClick() {
  // 40 ms: a decaying two-tone ping with a short burst of noise at its start,
  // which is what makes it sound like a click rather than a beep. The fade at
  // the end keeps the last sample at zero so the sound stops without a pop.
  constexpr double kPi = 3.14159265358979323846;
  const int count = kClickSampleRate * 40 / 1000;
  const int fade = kClickSampleRate * 5 / 1000;
  std::vector<std::int16_t> samples(static_cast<size_t>(count));
  std::uint32_t seed = 0x2F6E2B1u;  // fixed, so every build makes the same file
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kClickSampleRate;
    seed = seed * 1664525u + 1013904223u;
    const double noise = (static_cast<double>(seed >> 8) / 8388608.0) - 1.0;
    const double attack = 1 - std::exp(-t / 0.0003);
    const double tone = 0.7 * std::sin(2 * kPi * 1900 * t) + 0.3 * std::sin(2 * kPi * 3700 * t);
    double s = attack * std::exp(-t / 0.006) * (0.65 * tone + 0.35 * noise * std::exp(-t / 0.0015));
    if (i >= count - fade) s *= static_cast<double>(count - 1 - i) / (fade - 1);
    samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 24000));
  }
  return samples;
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  PutLE32(out, 36 + dataSize);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutLE32(out, 16);
  PutLE16(out, 1);  // WAVE_FORMAT_PCM
  PutLE16(out, 1);  // mono
  PutLE32(out, static_cast<std::uint32_t>(sampleRate));
  PutLE32(out, static_cast<std::uint32_t>(sampleRate) * 2);
  PutLE16(out, 2);
  PutLE16(out, 16);
  PutTag(out, "data");
  PutLE32(out, dataSize);
  for (std::int16_t s : samples) PutLE16(out, static_cast<std::uint16_t>(s));
  return out;
}

std::vector<OutputFile> GenerateAll() {
  std::vector<OutputFile> files;
  files.push_back({"install_picture.bmp", EncodeBmp(DrawInstallPicture())});
  files.push_back({"not_installed.bmp", EncodeBmp(DrawNotInstalled())});
  files.push_back({"installed.bmp", EncodeBmp(DrawInstalled())});
  files.push_back({"bullet.bmp", EncodeBmp(DrawBullet())});
  files.push_back({"truetype.bmp", EncodeBmp(DrawTrueTypeIcon())});
  files.push_back({"opentype.bmp", EncodeBmp(DrawOpenTypeIcon())});
  files.push_back({"arrowup.bmp", EncodeBmp(DrawSortArrow(true))});
  files.push_back({"arrowdown.bmp", EncodeBmp(DrawSortArrow(false))});
  files.push_back({"letloom.ico", EncodeIco({DrawProgramIcon(32), DrawProgramIcon(16)}, kIconKey)});
  files.push_back({"sort.wav", EncodeWav(SynthesizeClick(), kClickSampleRate)});
  return files;
}

bool WriteAll(const std::string& folder, std::string& error) {
  for (const OutputFile& f : GenerateAll()) {
    const std::string path = folder + "/" + f.name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
    out.close();
    if (!out) {
      error = "cannot write " + path;
      return false;
    }
  }
  return true;
}

}  // namespace resgen
