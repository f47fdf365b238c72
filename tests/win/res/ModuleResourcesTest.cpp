// The resources as the running module holds them, found the way the program
// finds them: by id or name through the resource loader.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "res/gen/resgen.h"
#include "res/resource.h"

namespace {

HMODULE Self() { return GetModuleHandleA(nullptr); }

std::string_view ResourceBytes(LPCSTR name, LPCSTR type) {
  HRSRC found = FindResourceA(Self(), name, type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(Self(), found);
  return {static_cast<const char*>(LockResource(loaded)), SizeofResource(Self(), found)};
}

// A loaded bitmap's pixels, top row first.
std::vector<resgen::Rgb> Pixels(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> quads(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, quads.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) return {};
  std::vector<resgen::Rgb> pixels;
  for (const RGBQUAD& q : quads) pixels.push_back({q.rgbRed, q.rgbGreen, q.rgbBlue});
  return pixels;
}

// Sizes the windows are laid out for, and the picture resgen draws for each.
struct BitmapCase {
  const char* label;
  LPCSTR name;
  int width, height;
  resgen::Image (*draw)();
};

const BitmapCase kBitmaps[] = {
    {"111", MAKEINTRESOURCEA(IDB_INSTALL_PICTURE), 36, 83, resgen::DrawInstallPicture},
    {"112", MAKEINTRESOURCEA(IDB_NOT_INSTALLED), 16, 16, resgen::DrawNotInstalled},
    {"113", MAKEINTRESOURCEA(IDB_INSTALLED), 16, 16, resgen::DrawInstalled},
    {"114", MAKEINTRESOURCEA(IDB_BULLET), 10, 10, resgen::DrawBullet},
    {"imlIcons 1", MAKEINTRESOURCEA(IDB_FORMAT_BASE + 1), 26, 32, resgen::DrawTrueTypeIcon},
    {"imlIcons 2", MAKEINTRESOURCEA(IDB_FORMAT_BASE + 2), 26, 32, resgen::DrawOpenTypeIcon},
    {"ARROWUP", kArrowUpBitmap, 10, 7, [] { return resgen::DrawSortArrow(true); }},
    {"ARROWDOWN", kArrowDownBitmap, 10, 7, [] { return resgen::DrawSortArrow(false); }},
};

TEST(ModuleBitmaps, LoadWithTheirSizeDepthAndPixels) {
  for (const BitmapCase& c : kBitmaps) {
    SCOPED_TRACE(c.label);
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(Self(), c.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr) << GetLastError();
    BITMAP info{};
    ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, c.width);
    EXPECT_EQ(info.bmHeight, c.height);
    EXPECT_EQ(info.bmBitsPixel, 24);
    // The very picture resgen draws: catches ids swapped in the script.
    const resgen::Image drawn = c.draw();
    if (info.bmWidth == drawn.width && info.bmHeight == drawn.height) {
      EXPECT_TRUE(Pixels(bitmap, drawn.width, drawn.height) == drawn.pixels);
    }
    DeleteObject(bitmap);
  }
}

TEST(ModuleIcon, IsTheFirstIconGroupWith32And16PixelImages) {
  std::vector<ULONG_PTR> groups;
  EnumResourceNamesA(
      Self(), RT_GROUP_ICON,
      [](HMODULE, LPCSTR, LPSTR name, LONG_PTR list) -> BOOL {
        reinterpret_cast<std::vector<ULONG_PTR>*>(list)->push_back(
            IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : ~ULONG_PTR{0});
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&groups));
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups.front(), static_cast<ULONG_PTR>(IDI_PROGRAM)) << "Explorer shows the first group";

  // GRPICONDIR: 6 bytes, then 14-byte entries ending in the RT_ICON id.
  const std::string_view dir = ResourceBytes(MAKEINTRESOURCEA(IDI_PROGRAM), RT_GROUP_ICON);
  ASSERT_GE(dir.size(), 6u);
  WORD count = 0;
  std::memcpy(&count, dir.data() + 4, 2);
  ASSERT_EQ(dir.size(), 6u + 14u * count);
  std::vector<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    const char* e = dir.data() + 6 + 14 * i;
    DWORD bytes = 0;
    WORD id = 0;
    std::memcpy(&bytes, e + 8, 4);
    std::memcpy(&id, e + 12, 2);
    sizes.push_back(static_cast<unsigned char>(e[0]));
    EXPECT_EQ(ResourceBytes(MAKEINTRESOURCEA(id), RT_ICON).size(), bytes) << "image " << id;
  }
  EXPECT_EQ(sizes, (std::vector<int>{32, 16}));

  for (int size : {32, 16}) {
    HICON icon = static_cast<HICON>(LoadImageA(Self(), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    DestroyIcon(icon);
  }
}

TEST(ModuleSound, SortIsTheGeneratedWav) {
  const std::string_view wav = ResourceBytes(kSortSound, kSoundResourceType);
  ASSERT_FALSE(wav.empty()) << "no \"SORT\" resource of type \"WAV\"";
  for (const auto& f : resgen::GenerateAll()) {
    if (f.name == "sort.wav") {
      EXPECT_EQ(wav, std::string_view(reinterpret_cast<const char*>(f.bytes.data()), f.bytes.size()));
    }
  }
}

TEST(ModuleVersion, Is262WithTheProductStrings) {
  char path[MAX_PATH];
  ASSERT_NE(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_NE(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(62, 2)));
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(62, 2)));

  const std::pair<const char*, const char*> strings[] = {
      {"ProductName", "Letterloom"},
      {"CompanyName", "Moonquarry Development"},
      {"FileDescription", "Letterloom font viewer"},
      {"OriginalFilename", "letloom.exe"},
      {"FileVersion", "2.62"},
  };
  for (auto [key, expected] : strings) {
    char* text = nullptr;
    const std::string query = std::string("\\StringFileInfo\\040904E4\\") + key;
    ASSERT_TRUE(VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length)) << key;
    EXPECT_STREQ(text, expected) << key;
  }
}

// The manifest is judged by its effect on the process, not only its text.
TEST(ModuleManifest, BringsCommonControls6AndDpiAwareness) {
  const std::string_view manifest = ResourceBytes(MAKEINTRESOURCEA(IDR_MANIFEST), RT_MANIFEST);
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\""), std::string_view::npos);
  EXPECT_NE(manifest.find("<dpiAware>true</dpiAware>"), std::string_view::npos);

  // The process's activation context redirects comctl32.dll to the side-by-side
  // version 6 only when the manifest's dependency took effect.
  ACTCTX_SECTION_KEYED_DATA redirect{};
  redirect.cbSize = sizeof redirect;
  EXPECT_TRUE(FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                       "comctl32.dll", &redirect))
      << "the manifest did not bring in the version 6 common controls";

  EXPECT_TRUE(IsProcessDPIAware());
}

}  // namespace
