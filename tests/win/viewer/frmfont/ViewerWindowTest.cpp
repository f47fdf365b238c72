// The viewer window, loaded in-process on real fonts, at the 96 DPI of the
// test display (15 twips per pixel).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "res/resource.h"
#include "startup/Session.h"
#include "startup/TextRules.h"
#include "startup/generic32.h"
#include "startup/modWindowsVersion.h"
#include "tests/support/FontWriter.h"
#include "tests/support/TempFolder.h"
#include "tests/win/support/WinTestSupport.h"
#include "viewer/Twips.h"
#include "viewer/CFileInfo.h"
#include "viewer/frmFont.h"
#include "viewer/modBitMaps.h"

namespace {

const std::string kInstalledFont = "Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf";

// DejaVu Sans with every "DejaVu" of its naming table spelled "LoomVu": a
// font nobody has installed.
bool WriteRenamedFont(const std::string& path) {
  std::vector<uint8_t> bytes = testfont::LoadBytes(kInstalledFont);
  if (bytes.size() < 12) return false;
  const auto be16 = [&](size_t at) { return static_cast<uint32_t>(bytes[at] << 8 | bytes[at + 1]); };
  const auto be32 = [&](size_t at) { return be16(at) << 16 | be16(at + 2); };
  const uint32_t tables = be16(4);
  for (uint32_t i = 0; i < tables; ++i) {
    const size_t entry = 12 + 16 * i;
    if (std::memcmp(&bytes[entry], "name", 4) != 0) continue;
    const size_t start = be32(entry + 8), end = start + be32(entry + 12);
    const std::string from = "DejaVu", to = "LoomVu";
    for (size_t at = start; at < end && at < bytes.size(); ++at) {
      for (size_t wide : {1u, 2u}) {  // Macintosh names are bytes, Windows names UTF-16BE
        const size_t span = from.size() * wide;
        if (at + span > end) continue;
        bool match = true;
        for (size_t k = 0; k < from.size() && match; ++k) {
          match = bytes[at + k * wide + wide - 1] == static_cast<uint8_t>(from[k]) &&
                  (wide == 1 || bytes[at + k * wide] == 0);
        }
        if (!match) continue;
        for (size_t k = 0; k < to.size(); ++k) bytes[at + k * wide + wide - 1] = to[k];
      }
    }
    return testfont::SaveBytes(path, bytes);
  }
  return false;
}

std::string Text(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

// A control's place in twips relative to its parent.
struct Place {
  int left, top, width, height;
  bool operator==(const Place&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Place& p) {
  return out << "{" << p.left << ", " << p.top << ", " << p.width << ", " << p.height << "}";
}
// A design place as it lands on whole pixels.
Place OnPixels(Place p) {
  const auto snap = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)) * 15; };
  return {snap(p.left), snap(p.top), snap(p.width), snap(p.height)};
}
bool Visible(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0; }
Place PlaceOf(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return {r.left * 15, r.top * 15, (r.right - r.left) * 15, (r.bottom - r.top) * 15};
}
RECT ClientRectOf(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

// A drop of files as the shell makes it: DROPFILES followed by the paths,
// each ended by a NUL, and one more NUL.
HGLOBAL MakeDrop(const std::vector<std::string>& paths) {
  std::string list;
  for (const auto& p : paths) list += p + '\0';
  list += '\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(memory);
  return memory;
}

void DrainQuit() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSessionValues();
    gProgramFolder = folder.path();
    gIniFile = folder.File("letloom.ini");
    gHelpFile = folder.File("letloom.hlp");
    gExeNameDiffers = false;  // the test program is not letloom.exe; hook as the product does
    gDialogFont = ChooseDialogFont();
    gFontsKey = FontsKeyFor(QueryWindowsVersion());
    gRequestedFile = kInstalledFont;
  }
  void TearDown() override {
    if (viewer && viewer->hwnd()) viewer->Close();
    DrainQuit();
  }

  frmFont& Open() {
    viewer = std::make_unique<frmFont>();
    EXPECT_TRUE(viewer->Load());
    return *viewer;
  }
  void Close() {
    viewer->Close();
    DrainQuit();
    EXPECT_EQ(viewer->hwnd(), nullptr);
  }
  void ClickTab(int tab) {
    SendMessageA(viewer->TabPage, TCM_SETCURSEL, tab - 1, 0);
    NMHDR header{viewer->TabPage, 100, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(viewer->hwnd(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&header));
  }
  void ResizeTo(int widthPx, int heightPx) {
    SetWindowPos(viewer->hwnd(), nullptr, 0, 0, widthPx, heightPx, SWP_NOMOVE | SWP_NOZORDER);
  }
  void Drop(const std::string& path) {
    SendMessageA(viewer->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({path})), 0);
  }
  std::string Setting(const char* key) { return ReadIniString("letloom", key, "<none>", gIniFile); }

  TempFolder folder;
  MessageRecorder messages;
  std::unique_ptr<frmFont> viewer;
};

TEST_F(ViewerTest, ControlsHaveTheirCaptionsAndDesignPlaces) {
  ASSERT_EQ(TwipsPerPixelX(), 15.0);
  frmFont& v = Open();
  EXPECT_EQ(Text(v.hwnd()), "Letterloom");
  const char* tabs[] = {"&Font Sample", "&Character Set", "I&nformation", "&Kerning", "&Options", "&Links"};
  ASSERT_EQ(SendMessageA(v.TabPage, TCM_GETITEMCOUNT, 0, 0), 6);
  for (int i = 0; i < 6; ++i) {
    char caption[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = sizeof caption;
    SendMessageA(v.TabPage, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(caption, tabs[i]);
  }

  // Places that no layout rule changes; the others are checked by the resize.
  const struct { HWND control; const char* caption; Place place; } fixed[] = {
      {v.Label8, "Common Characters (14 point)", {60, 2490, 3375, 225}},
      {v.Label1, "Font &Sample", {60, 4050, 1695, 225}},
      {v.picIcon0.hwnd(), "", {105, 120, 480, 660}},
      {v.picAlert.hwnd(), "", {2010, 1830, 240, 285}},  // 16 pixels wide
      {v.picInstall.hwnd(), "", {4260, 1560, 405, 525}},
      {v.lblPointSize, "Point &Size", {0, 60, 705, 195}},
      {v.Slider1, "", {720, 30, 1515, 285}},
      {v.lblSize, " 18", {2130, 60, 420, 195}},
  };
  for (const auto& f : fixed) {
    EXPECT_EQ(Text(f.control), f.caption);
    EXPECT_EQ(PlaceOf(f.control), OnPixels(f.place)) << f.caption;
  }
  // The sample boxes' widths follow the page (checked with the resize).
  EXPECT_EQ(Text(v.txtCommon),
            "abcdefghijklmnopqrstuvwxyz\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n1234567890\r\n");
  EXPECT_EQ(PlaceOf(v.txtCommon).left, 60);
  EXPECT_EQ(PlaceOf(v.txtCommon).top, 2700);
  EXPECT_EQ(PlaceOf(v.txtCommon).height, 1185);
  EXPECT_FALSE(Visible(v.picInstall.hwnd()));

  const struct { HWND control; const char* caption; int left, width, height; } buttons[] = {
      {v.cmdAbout, "&About...", 60, 1200, 380},  {v.cmdHelp, "Help", 1320, 1200, 380},
      {v.cmdPrint, "&Print...", 45, 900, 380},   {v.cmdInstall, "&Install...", 1005, 900, 380},
  };
  for (const auto& b : buttons) {
    const Place p = PlaceOf(b.control);
    EXPECT_EQ(Text(b.control), b.caption);
    EXPECT_EQ((Place{p.left, 0, p.width, p.height}), OnPixels({b.left, 0, b.width, b.height}))
        << b.caption;
  }
  EXPECT_EQ(PlaceOf(v.picScroll.hwnd()).width, 2745);
  EXPECT_EQ(PlaceOf(v.picScroll.hwnd()).height, 405);
  EXPECT_EQ(PlaceOf(v.txtSample).left, 60);
  EXPECT_EQ(PlaceOf(v.txtSample).top, 4260);

  const struct { HWND label; const char* caption; int left, top; } labels[] = {
      {v.lblFileSizeL, "File Size:", 630, 570},   {v.lblCreatedL, "Created:", 630, 990},
      {v.lblModifiedL, "Modified:", 630, 1230},   {v.lblAccessedL, "Accessed:", 630, 1470},
      {v.lblStatusL, "Status:", 630, 1860},       {v.lblRegistryL, "Registry Entry:", 630, 2100},
      {v.lblFileSize, nullptr, 2010, 570},        {v.lblCreated, nullptr, 2010, 990},
      {v.lblModified, nullptr, 2010, 1230},       {v.lblAccessed, nullptr, 2010, 1470},
      {v.lblRegistry, nullptr, 2010, 2100},       {v.lblFontName0, "DejaVu Sans", 630, 90},
      {v.lblFileName, "z:\\usr\\share\\fonts\\truetype\\dejavu\\dejavusans.ttf", 630, 330},
  };
  for (const auto& l : labels) {
    const Place p = PlaceOf(l.label);
    if (l.caption) {
      EXPECT_EQ(Text(l.label), l.caption);
    }
    EXPECT_EQ(p.left, l.left) << Text(l.label);
    EXPECT_EQ(p.top, l.top) << Text(l.label);
  }
}

TEST_F(ViewerTest, ResizeKeepsTheButtonRowMarginsAndFitsThePages) {
  frmFont& v = Open();
  for (const SIZE size : {SIZE{360, 533}, SIZE{500, 700}, SIZE{811, 977}}) {
    ResizeTo(size.cx, size.cy);
    SCOPED_TRACE(size.cx);
    const RECT client = ClientRectOf(v.hwnd());
    RECT bar{};
    GetWindowRect(v.StatusBar1, &bar);
    MapWindowPoints(HWND_DESKTOP, v.hwnd(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bar.bottom, client.bottom);  // docked to the bottom edge
    const Place about = PlaceOf(v.cmdAbout), help = PlaceOf(v.cmdHelp), close = PlaceOf(v.cmdClose);
    const Place tab = PlaceOf(v.TabPage);
    EXPECT_NEAR(bar.top * 15 - (about.top + about.height), 80, 15);
    EXPECT_EQ(help.top, about.top);
    EXPECT_EQ(close.top, about.top);
    EXPECT_NEAR(about.top - (tab.top + tab.height), 150, 15);
    EXPECT_EQ(client.right * 15 - (close.left + close.width), 60);
    EXPECT_EQ(client.right * 15 - (tab.left + tab.width), 60);
    EXPECT_EQ(about.left, 60);

    // Page 1 fills the tab strip's display area and follows it.
    RECT area{};
    GetWindowRect(v.TabPage, &area);
    MapWindowPoints(HWND_DESKTOP, v.hwnd(), reinterpret_cast<POINT*>(&area), 2);
    SendMessageA(v.TabPage, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    const Place page = PlaceOf(v.Frame(1));
    EXPECT_EQ(page, (Place{static_cast<int>(area.left) * 15, static_cast<int>(area.top) * 15,
                           static_cast<int>(area.right - area.left) * 15,
                           static_cast<int>(area.bottom - area.top) * 15}));
    const Place sample = PlaceOf(v.txtSample), print = PlaceOf(v.cmdPrint);
    const Place scroll = PlaceOf(v.picScroll.hwnd());
    EXPECT_EQ(sample.width, page.width - 120);
    EXPECT_EQ(PlaceOf(v.txtCommon).width, page.width - 120);
    EXPECT_NEAR(print.top, page.height - 530, 15);
    EXPECT_EQ(PlaceOf(v.cmdInstall).top, print.top);
    EXPECT_EQ(scroll.top, print.top);
    EXPECT_EQ(scroll.left + scroll.width, sample.left + sample.width);
    EXPECT_NEAR(sample.top + sample.height, print.top - 100, 15);
    EXPECT_EQ(PlaceOf(v.lblStatus).width, page.width - PlaceOf(v.lblStatus).left);
  }
}

TEST_F(ViewerTest, PagesAreLaidOutOnShowUntilResizedWhileOnShow) {
  frmFont& v = Open();
  EXPECT_EQ(v.CurrentPage(), 1);
  EXPECT_TRUE(Visible(v.Frame(1)));
  EXPECT_FALSE(v.LayoutPending(1));
  for (int page = 2; page <= 6; ++page) EXPECT_TRUE(v.LayoutPending(page));

  ClickTab(3);
  EXPECT_EQ(v.CurrentPage(), 3);
  EXPECT_TRUE(Visible(v.Frame(3)));
  EXPECT_FALSE(Visible(v.Frame(1)));
  EXPECT_TRUE(v.LayoutPending(3));  // showing a page leaves its flag alone

  ResizeTo(600, 800);  // while page 3 is on show
  EXPECT_FALSE(v.LayoutPending(3));
  EXPECT_TRUE(v.LayoutPending(1));
  const int staleWidth = PlaceOf(v.txtSample).width;

  ClickTab(1);  // page 1 is laid out for the new size when shown
  const int pageWidth = PlaceOf(v.Frame(1)).width;
  EXPECT_NE(staleWidth, pageWidth - 120);
  EXPECT_EQ(PlaceOf(v.txtSample).width, pageWidth - 120);
  EXPECT_TRUE(v.LayoutPending(1));
  EXPECT_FALSE(Visible(v.Frame(3)));

  ResizeTo(620, 820);
  EXPECT_FALSE(v.LayoutPending(1));
  EXPECT_TRUE(v.LayoutPending(3));
}

TEST_F(ViewerTest, MinimumTrackSizeIsTheDesignMinimumInPixels) {
  frmFont& v = Open();
  MINMAXINFO limits{};
  limits.ptMaxSize = {1111, 2222};
  SendMessageA(v.hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, 360);
  EXPECT_EQ(limits.ptMinTrackSize.y, 533);
  EXPECT_EQ(limits.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(limits.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(limits.ptMaxSize.x, 1111);  // left as the system put it
}

TEST_F(ViewerTest, SettingsAreAppliedAndWrittenBackAtClose) {
  folder.Write("letloom.ini",
               "[letloom]\r\nSampleText=from settings\r\nSampleSize=30\r\nGridSize=99\r\n"
               "Width=4000\r\nHeight=9000\r\nTop=1200\r\nLeft=1500\r\n");
  frmFont& v = Open();
  RECT outer{};
  GetWindowRect(v.hwnd(), &outer);
  EXPECT_EQ(outer.left, 100);
  EXPECT_EQ(outer.top, 80);
  EXPECT_EQ(outer.right - outer.left, 360);  // 5400 twips, the least width
  EXPECT_EQ(outer.bottom - outer.top, 600);
  EXPECT_EQ(SendMessageA(v.Slider1, TBM_GETPOS, 0, 0), 30);
  EXPECT_EQ(Text(v.lblSize), " 30");
  EXPECT_EQ(Text(v.txtSample), "from settings");  // no sample file yet

  SetWindowTextA(v.txtSample, "first\r\nsecond");
  Close();
  EXPECT_EQ(Setting("SampleText"), "first second");
  EXPECT_EQ(Setting("SampleSize"), "30");
  EXPECT_EQ(Setting("GridSize"), "72");
  EXPECT_EQ(Setting("Width"), "5400");
  EXPECT_EQ(Setting("Height"), "9000");
  EXPECT_EQ(Setting("Top"), "1200");
  EXPECT_EQ(Setting("Left"), "1500");
  EXPECT_EQ(folder.Read("sample.txt"), "first\r\nsecond\r\n");

  // The next run shows the sample file's text, its lines joined.
  Open();
  EXPECT_EQ(Text(viewer->txtSample), "firstsecond");
  EXPECT_EQ(SendMessageA(viewer->Slider1, TBM_GETPOS, 0, 0), 30);
}

TEST_F(ViewerTest, SliderValuesOutsideTheRangeAreClamped) {
  folder.Write("letloom.ini", "[letloom]\r\nSampleSize=3\r\n");
  Open();
  EXPECT_EQ(SendMessageA(viewer->Slider1, TBM_GETPOS, 0, 0), 8);
  EXPECT_EQ(Text(viewer->lblSize), " 8");
}

TEST_F(ViewerTest, FailedSessionLoadWritesNoSettingsButKeepsTheSampleText) {
  gRequestedFile = folder.Write("broken.ttf", "not a font at all");
  frmFont& v = Open();
  EXPECT_EQ(gFontTitle, "unknown");
  EXPECT_EQ(Text(v.lblFontName0), "unknown");
  EXPECT_FALSE(IsWindowEnabled(v.cmdInstall));
  SetWindowTextA(v.txtSample, "typed");
  Close();
  EXPECT_FALSE(folder.Exists("letloom.ini"));
  EXPECT_EQ(folder.Read("sample.txt"), "typed\r\n");
}

TEST_F(ViewerTest, SliderSetsTheSamplePointSizeOnly) {
  frmFont& v = Open();
  SendMessageA(v.Slider1, TBM_SETPOS, TRUE, 72);
  SendMessageA(GetParent(v.Slider1), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 72),
               reinterpret_cast<LPARAM>(v.Slider1));
  EXPECT_EQ(Text(v.lblSize), " 72");
  const auto heightOf = [](HWND box) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::make_pair(font.lfHeight, std::string(font.lfFaceName));
  };
  EXPECT_EQ(heightOf(v.txtSample), std::make_pair(LONG{-96}, std::string("DejaVu Sans")));
  EXPECT_EQ(heightOf(v.txtCommon), std::make_pair(LONG{-18}, std::string("DejaVu Sans")));
}

TEST_F(ViewerTest, EscapeInAnyControlClosesTheWindow) {
  frmFont& v = Open();
  v.Show();
  PostMessageA(v.txtSample, WM_KEYDOWN, VK_ESCAPE, 0);
  MSG msg;
  for (int i = 0; i < 100 && v.hwnd(); ++i) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) break;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
  EXPECT_EQ(v.hwnd(), nullptr);
  EXPECT_TRUE(folder.Exists("letloom.ini"));
}

// What picAlert shows after drawing `bitmap` into a cleared box.
bool ShowsPicture(PictureBox& box, int bitmapId) {
  ScopedBitmap bitmap(LoadBitmapResource(bitmapId));
  HDC screen = GetDC(nullptr);
  HDC expected = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ old = SelectObject(expected, canvas);
  RECT all{0, 0, 16, 16};
  FillRect(expected, &all, GetSysColorBrush(COLOR_BTNFACE));
  DrawTransparentBitmap(expected, bitmap.get(), 0, 0, CLR_KEY_RED);
  bool same = true;
  for (int y = 0; y < 16 && same; ++y) {
    for (int x = 0; x < 16 && same; ++x) same = GetPixel(expected, x, y) == box.Pixel(x, y);
  }
  SelectObject(expected, old);
  DeleteObject(canvas);
  DeleteDC(expected);
  ReleaseDC(nullptr, screen);
  return same;
}

TEST_F(ViewerTest, FileFactsDescribeTheFontOnShow) {
  frmFont& v = Open();
  CFileInfo font;
  font.SetFullPathName(kInstalledFont);
  ASSERT_GT(font.FileSize(), 100000u);
  EXPECT_EQ(Text(v.lblFileSize), CFileInfo::FormatFileSize(font.FileSize()));
  EXPECT_EQ(Text(v.lblModified), CFileInfo::FormatFileDate(font.ModifyTime()));
  EXPECT_EQ(Text(v.lblCreated), CFileInfo::FormatFileDate(font.CreationTime()));
  EXPECT_NE(Text(v.lblAccessed), "");
}

TEST_F(ViewerTest, DroppedFontsShowTheirInstallState) {
  frmFont& v = Open();
  EXPECT_EQ(Text(v.lblStatus), "Font is installed on this system.");
  EXPECT_EQ(Text(v.lblRegistry).rfind("DejaVu Sans (TrueType) = ", 0), 0u) << Text(v.lblRegistry);
  EXPECT_FALSE(IsWindowEnabled(v.cmdInstall));
  EXPECT_TRUE(ShowsPicture(v.picAlert, IDB_INSTALLED));
  EXPECT_EQ(PlaceOf(v.lblStatus).left, 2010 + 240 + 45);  // 3 pixels right of the picture

  // The renamed copy sits in a folder whose path is longer than 128 characters.
  std::string deep = folder.path();
  while (deep.size() < 180) {
    deep += "\\a rather long folder name";
    CreateDirectoryA(deep.c_str(), nullptr);
  }
  const std::string renamed = deep + "\\LoomVuSans.ttf";
  ASSERT_TRUE(WriteRenamedFont(renamed));
  Drop(renamed);
  EXPECT_TRUE(messages.messages().empty());
  EXPECT_EQ(Text(v.lblFontName0), "LoomVu Sans");
  EXPECT_EQ(Text(v.lblFileName), CharLowerA(std::string(renamed).data()));
  EXPECT_EQ(Text(v.lblStatus), "This font is not installed.");
  EXPECT_EQ(Text(v.lblRegistry), "None");
  EXPECT_TRUE(IsWindowEnabled(v.cmdInstall));
  EXPECT_TRUE(ShowsPicture(v.picAlert, IDB_NOT_INSTALLED));

  // A text file is refused with a warning and the font stays on show.
  const std::string text = folder.Write("notes.txt", "just some words\r\n");
  Drop(text);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text,
            text + "\r\rThis does not appear to be a TrueType or OpenType font file!");
  EXPECT_EQ(messages.messages()[0].flags, static_cast<UINT>(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(Text(v.lblFontName0), "LoomVu Sans");
  EXPECT_EQ(gFontTitle, "LoomVu Sans");

  // Back to the installed font: the old picture is cleared first.
  Drop(kInstalledFont);
  EXPECT_EQ(Text(v.lblStatus), "Font is installed on this system.");
  EXPECT_FALSE(IsWindowEnabled(v.cmdInstall));
  EXPECT_TRUE(ShowsPicture(v.picAlert, IDB_INSTALLED));
}

}  // namespace
