// The generated resource files, read back with readers of their own so that a
// fault in resgen's encoders cannot hide itself: headers Windows checks, the
// key colours the drawing code relies on, and the look where it matters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "res/gen/resgen.h"

namespace resgen {
void PrintTo(const Rgb& c, std::ostream* os) { *os << "RGB(" << +c.r << ", " << +c.g << ", " << +c.b << ")"; }
}  // namespace resgen

using resgen::Rgb;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kMagenta{255, 0, 255};

const Bytes& FileBytes(const std::string& name) {
  static const std::vector<resgen::OutputFile> files = resgen::GenerateAll();
  for (const auto& f : files)
    if (f.name == name) return f.bytes;
  static const Bytes none;
  ADD_FAILURE() << "resgen makes no file " << name;
  return none;
}

// Little-endian reads that turn into zeros past the end, checked once by ok.
struct Reader {
  const Bytes& bytes;
  bool ok = true;
  std::uint32_t U(size_t at, int size) {
    if (at > bytes.size() || bytes.size() - at < static_cast<size_t>(size)) {
      ok = false;
      return 0;
    }
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | bytes[at + i];
    return v;
  }
  std::uint32_t U16(size_t at) { return U(at, 2); }
  std::uint32_t U32(size_t at) { return U(at, 4); }
  std::int32_t I32(size_t at) { return static_cast<std::int32_t>(U(at, 4)); }
  std::int16_t I16(size_t at) { return static_cast<std::int16_t>(U(at, 2)); }
  bool Tag(size_t at, const char* tag) {
    return at <= bytes.size() && bytes.size() - at >= 4 && std::equal(tag, tag + 4, bytes.begin() + at);
  }
};

// A 24-bit BMP file, its header checked field by field; pixels top row first.
struct Picture {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Picture ReadBmp(const Bytes& b) {
  Reader r{b};
  Picture p;
  EXPECT_EQ(r.U16(0), 0x4D42u) << "BM signature";
  EXPECT_EQ(r.U32(2), b.size()) << "file size field";
  EXPECT_EQ(r.U32(6), 0u) << "reserved";
  EXPECT_EQ(r.U32(10), 54u) << "pixel offset: file header + info header, no palette";
  EXPECT_EQ(r.U32(14), 40u) << "BITMAPINFOHEADER size";
  p.width = r.I32(18);
  const std::int32_t height = r.I32(22);
  EXPECT_GT(height, 0) << "bottom-up";
  p.height = std::abs(height);
  EXPECT_EQ(r.U16(26), 1u) << "planes";
  EXPECT_EQ(r.U16(28), 24u) << "bits per pixel";
  EXPECT_EQ(r.U32(30), 0u) << "BI_RGB";
  const size_t rowBytes = (static_cast<size_t>(p.width) * 3 + 3) / 4 * 4;
  EXPECT_EQ(r.U32(34), rowBytes * p.height) << "image size";
  EXPECT_EQ(r.U32(46), 0u) << "colours used";
  EXPECT_EQ(b.size(), 54 + rowBytes * p.height);
  if (!r.ok || p.width <= 0 || b.size() != 54 + rowBytes * p.height) return {};
  for (int y = p.height - 1; y >= 0; --y)
    for (int x = 0; x < p.width; ++x) {
      const size_t at = 54 + rowBytes * y + 3 * x;
      p.pixels.push_back({b[at + 2], b[at + 1], b[at]});
    }
  return p;
}

// Key-coloured pixels not reachable from the edge through other key pixels:
// holes the mask method would show the window through.
int EnclosedKeyPixels(const Picture& p, Rgb key) {
  std::vector<char> seen(p.pixels.size(), 0);
  std::vector<std::pair<int, int>> todo;
  for (int x = 0; x < p.width; ++x) todo.insert(todo.end(), {{x, 0}, {x, p.height - 1}});
  for (int y = 0; y < p.height; ++y) todo.insert(todo.end(), {{0, y}, {p.width - 1, y}});
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) continue;
    const size_t i = static_cast<size_t>(y) * p.width + x;
    if (seen[i] || !(p.pixels[i] == key)) continue;
    seen[i] = 1;
    todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  int holes = 0;
  for (size_t i = 0; i < p.pixels.size(); ++i) holes += p.pixels[i] == key && !seen[i];
  return holes;
}

struct Hue {
  const char* name;
  std::function<bool(Rgb)> matches;
};
const Hue kYellow{"yellow", [](Rgb c) { return c.r > 200 && c.g > 180 && c.b < 100; }};
const Hue kBlue{"blue", [](Rgb c) { return c.b > 150 && c.r < 60 && c.g < 60; }};
const Hue kReddish{"red", [](Rgb c) { return c.r > 200 && c.g < 60 && c.b < 60; }};
const Hue kGreen{"green", [](Rgb c) { return c.g > 100 && c.r < 60 && c.b < 60; }};
const Hue kWhite{"white", [](Rgb c) { return c.r > 240 && c.g > 240 && c.b > 240; }};
const Hue kBlack{"black", [](Rgb c) { return c.r < 40 && c.g < 40 && c.b < 40; }};
const Hue kDark{"dark grey", [](Rgb c) { return c.r == c.g && c.g == c.b && c.r < 110; }};

struct BitmapCase {
  const char* file;
  int width, height;
  Rgb key;
  std::vector<Hue> shows;  // colours the look needs, among the opaque pixels
};

const BitmapCase kBitmaps[] = {
    {"install_picture.bmp", 36, 83, kCyan, {kWhite, kBlack, kYellow, kReddish, kGreen, kBlue}},
    {"not_installed.bmp", 16, 16, kRed, {kYellow, kBlack}},
    {"installed.bmp", 16, 16, kRed, {kYellow, kBlue}},
    {"bullet.bmp", 10, 10, kRed, {}},
    {"truetype.bmp", 26, 32, kRed, {kWhite, kBlack}},
    {"opentype.bmp", 26, 32, kRed, {kWhite, kBlack}},
    {"arrowup.bmp", 10, 7, kMagenta, {kDark}},
    {"arrowdown.bmp", 10, 7, kMagenta, {kDark}},
};

TEST(GeneratedBitmaps, HaveTheirSizeKeyCorners24BitsAndLook) {
  for (const BitmapCase& c : kBitmaps) {
    SCOPED_TRACE(c.file);
    const Picture p = ReadBmp(FileBytes(c.file));
    ASSERT_EQ(p.width, c.width);
    ASSERT_EQ(p.height, c.height);
    ASSERT_EQ(p.pixels.size(), static_cast<size_t>(c.width) * c.height);

    for (auto [x, y] : {std::pair{0, 0}, {c.width - 1, 0}, {0, c.height - 1}, {c.width - 1, c.height - 1}})
      EXPECT_EQ(p.At(x, y), c.key) << "corner " << x << "," << y;
    EXPECT_EQ(EnclosedKeyPixels(p, c.key), 0);

    std::vector<Rgb> opaque;
    std::copy_if(p.pixels.begin(), p.pixels.end(), std::back_inserter(opaque), [&](Rgb q) { return !(q == c.key); });
    EXPECT_GE(opaque.size() * 4, p.pixels.size()) << "at least a quarter of the picture is drawn";
    for (const Hue& hue : c.shows)
      EXPECT_TRUE(std::any_of(opaque.begin(), opaque.end(), hue.matches)) << "shows no " << hue.name;
  }
}

TEST(GeneratedBitmaps, BulletIsAGreyBallLitFromTheTopLeft) {
  const Picture p = ReadBmp(FileBytes("bullet.bmp"));
  ASSERT_EQ(p.pixels.size(), 100u);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const Rgb c = p.At(x, y);
      if (c == kRed) continue;
      // A reddish rim would survive the mask as a pink fringe.
      EXPECT_TRUE(c.r == c.g && c.g == c.b) << "not grey at " << x << "," << y;
    }
  for (auto [x, y] : {std::pair{4, 4}, {5, 4}, {4, 5}, {5, 5}}) {
    EXPECT_TRUE(p.At(x, y).r == p.At(x, y).g && p.At(x, y).g == p.At(x, y).b) << x << "," << y;
    EXPECT_GE(p.At(x, y).r, 64);
    EXPECT_LE(p.At(x, y).r, 240);
  }
  // Round: the middle of every edge belongs to the ball.
  for (auto [x, y] : {std::pair{0, 4}, {9, 5}, {4, 0}, {5, 9}}) EXPECT_FALSE(p.At(x, y) == kRed) << x << "," << y;
  EXPECT_GE(p.At(3, 3).r - p.At(6, 6).r, 40) << "shaded";
}

TEST(GeneratedBitmaps, SortArrowsPointTheirWay) {
  for (auto [file, up] : {std::pair{"arrowup.bmp", true}, {"arrowdown.bmp", false}}) {
    SCOPED_TRACE(file);
    const Picture p = ReadBmp(FileBytes(file));
    ASSERT_EQ(p.pixels.size(), 70u);
    std::vector<int> widths;
    for (int y = 0; y < p.height; ++y) {
      int n = 0;
      for (int x = 0; x < p.width; ++x) n += !(p.At(x, y) == kMagenta);
      if (n) widths.push_back(n);
    }
    ASSERT_GE(widths.size(), 3u);
    if (up)
      EXPECT_TRUE(std::is_sorted(widths.begin(), widths.end()) && widths.front() < widths.back());
    else
      EXPECT_TRUE(std::is_sorted(widths.rbegin(), widths.rend()) && widths.front() > widths.back());
  }
}

TEST(GeneratedIcon, HoldsA32And16PixelImageWithMatchingMasks) {
  const Bytes& b = FileBytes("letloom.ico");
  Reader r{b};
  EXPECT_EQ(r.U16(0), 0u);
  EXPECT_EQ(r.U16(2), 1u) << "icon, not cursor";
  ASSERT_EQ(r.U16(4), 2u);
  std::set<int> sizes;
  size_t previousEnd = 6 + 16 * 2;
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const size_t e = 6 + 16 * i;
    const int w = b[e], h = b[e + 1];
    EXPECT_EQ(w, h);
    sizes.insert(w);
    EXPECT_EQ(b[e + 2], 0) << "no palette";
    EXPECT_EQ(r.U16(e + 4), 1u) << "planes";
    const std::uint32_t bits = r.U16(e + 6), length = r.U32(e + 8), offset = r.U32(e + 12);
    ASSERT_EQ(bits, 32u);
    EXPECT_EQ(offset, previousEnd) << "images follow the directory without gaps or overlap";
    ASSERT_LE(offset, b.size());
    ASSERT_LE(length, b.size() - offset);
    previousEnd = offset + length;

    EXPECT_EQ(r.U32(offset), 40u);
    EXPECT_EQ(r.I32(offset + 4), w);
    EXPECT_EQ(r.I32(offset + 8), 2 * h) << "colour rows and mask rows";
    EXPECT_EQ(r.U16(offset + 14), bits);
    const size_t maskRow = (static_cast<size_t>(w) + 31) / 32 * 4;
    const size_t colours = offset + 40, mask = colours + static_cast<size_t>(w) * h * 4;
    ASSERT_EQ(length, 40 + static_cast<size_t>(w) * h * 4 + maskRow * h);

    // Rows are bottom-up; (x, y) counts from the top.
    auto alpha = [&](int x, int y) { return b[colours + (static_cast<size_t>(h - 1 - y) * w + x) * 4 + 3]; };
    auto masked = [&](int x, int y) { return (b[mask + static_cast<size_t>(h - 1 - y) * maskRow + x / 8] >> (7 - x % 8)) & 1; };
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        ASSERT_TRUE(alpha(x, y) == 0 || alpha(x, y) == 255) << x << "," << y;
        ASSERT_EQ(masked(x, y), alpha(x, y) == 0) << "mask and alpha disagree at " << x << "," << y;
      }
    EXPECT_EQ(masked(0, 0), 1) << "top left corner transparent";
    EXPECT_EQ(masked(w / 2, h / 2), 0) << "centre drawn";
  }
  EXPECT_EQ(previousEnd, b.size());
  EXPECT_EQ(sizes, (std::set<int>{16, 32}));
}

TEST(GeneratedSound, IsAShortPcmClickThatStartsAndEndsSilent) {
  const Bytes& b = FileBytes("sort.wav");
  Reader r{b};
  ASSERT_TRUE(r.Tag(0, "RIFF"));
  EXPECT_EQ(r.U32(4), b.size() - 8);
  ASSERT_TRUE(r.Tag(8, "WAVE"));
  std::uint32_t channels = 0, rate = 0, bits = 0, dataSize = 0;
  size_t data = 0;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = r.U32(at + 4);
    if (r.Tag(at, "fmt ")) {
      ASSERT_GE(size, 16u);
      EXPECT_EQ(r.U16(at + 8), 1u) << "WAVE_FORMAT_PCM";
      channels = r.U16(at + 10);
      rate = r.U32(at + 12);
      bits = r.U16(at + 22);
      EXPECT_EQ(r.U16(at + 20), channels * bits / 8) << "block align";
      EXPECT_EQ(r.U32(at + 16), rate * channels * bits / 8) << "bytes per second";
    } else if (r.Tag(at, "data")) {
      data = at + 8;
      dataSize = size;
      EXPECT_EQ(dataSize, b.size() - data) << "data runs to the end of the file";
    }
    at += 8 + size + (size & 1);
  }
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(channels, 1u);
  ASSERT_EQ(bits, 16u);
  EXPECT_EQ(rate, 11025u);
  ASSERT_NE(data, 0u) << "no data chunk";
  ASSERT_EQ(dataSize % 2, 0u);

  const size_t count = dataSize / 2;
  EXPECT_GE(count * 1000, 20u * rate) << "at least 20 ms";
  EXPECT_LE(count * 1000, 100u * rate) << "at most 100 ms";
  int peak = 0;
  for (size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(static_cast<int>(r.I16(data + 2 * i))));
  EXPECT_GE(peak, 8000) << "audible";
  EXPECT_LE(std::abs(r.I16(data)), 600) << "starts without a pop";
  EXPECT_LE(std::abs(r.I16(data + 2 * (count - 1))), 600) << "ends without a pop";
}

// letloom.rc and the generator name the same files, and the tool writes
// exactly what GenerateAll makes.
TEST(GeneratedFiles, AreTheOnesTheScriptNamesAndTheToolWritesThem) {
  std::ifstream rc(LETLOOM_RC_FILE);
  ASSERT_TRUE(rc) << LETLOOM_RC_FILE;
  const std::string script{std::istreambuf_iterator<char>(rc), {}};
  // Every quoted name with a generated file's extension.
  std::set<std::string> named;
  for (size_t open = script.find('"'); open != std::string::npos;) {
    const size_t close = script.find('"', open + 1);
    if (close == std::string::npos) break;
    const std::string text = script.substr(open + 1, close - open - 1);
    for (const char* ext : {".bmp", ".ico", ".wav"})
      if (text.size() > 4 && text.ends_with(ext)) named.insert(text);
    open = script.find('"', close + 1);
  }

  const auto files = resgen::GenerateAll();
  std::set<std::string> made;
  for (const auto& f : files) made.insert(f.name);
  EXPECT_EQ(named, made);

  const auto folder = std::filesystem::temp_directory_path() / ("resgen-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::string error;
  EXPECT_TRUE(resgen::WriteAll(folder.string(), error)) << error;
  for (const auto& f : files) {
    std::ifstream in(folder / f.name, std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), f.bytes) << f.name;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
