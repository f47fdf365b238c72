// The viewer window: a tab strip of six pages over a row of three buttons,
// showing one font file. Its load shows gRequestedFile; files dropped on it
// are shown in turn; its unload saves what the user chose and ends the run.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "startup/Form.h"
#include "startup/Win32Handles.h"
#include "startup/generic32.h"
#include "viewer/Controls.h"
#include "viewer/ViewerLayout.h"

// Options of the viewer, shared by its pages.
extern std::int16_t gCharacterGridSize;  // cells per row and column, 2 to 8
extern bool gDropShadows;
// Colours of the sample boxes and the character cells: a colour value, or a
// system colour (0x80000000 | COLOR_xxx) resolved when drawn.
extern COLORREF gTextColor;
extern COLORREF gBackColor;
extern std::int16_t gSelectedCell;
extern bool gSoundsEnabled;

inline constexpr COLORREF kSystemColour = 0x80000000;
COLORREF ResolveColour(COLORREF colour);

class frmFont : public Form {
 public:
  frmFont();
  ~frmFont() override;

  // Creates the window and its pages, reads the settings and the sample
  // text and shows gRequestedFile; the window stays hidden until Show.
  bool Load();
  void Show();
  // The unload: restores the window procedure, keeps the sample text,
  // closes the log, removes the session font, saves the settings, then
  // destroys the window and ends the message loop.
  void Close();

  // Makes `path` the font on show (one pair of double quotes is dropped
  // from it in place).
  void LoadFont(std::string& path);
  void ApplyColors();
  void ResizePage1();
  void ResizePage2() {}  // the pages 2 to 6 are laid out once their contents exist
  void ResizePage3() {}
  void ResizePage4() {}
  void ResizePage5() {}
  void ResizePage6() {}

  int CurrentPage() const { return mCurrentPage; }
  bool LayoutPending(int page) const { return mLayoutPending.Pending(page); }
  HWND Frame(int page) const { return frmContainer[page - 1].hwnd(); }

  // Controls on the window.
  HWND TabPage = nullptr;
  HWND cmdAbout = nullptr;
  HWND cmdHelp = nullptr;
  HWND cmdClose = nullptr;
  HWND StatusBar1 = nullptr;
  HIMAGELIST imlIcons = nullptr;

  // Page 1, Font Sample.
  PictureBox picIcon0;
  PictureBox picAlert;
  PictureBox picInstall;
  ControlContainer picScroll;
  HWND lblFontName0 = nullptr;
  HWND lblFileName = nullptr;
  HWND lblFileSizeL = nullptr, lblFileSize = nullptr;
  HWND lblCreatedL = nullptr, lblCreated = nullptr;
  HWND lblModifiedL = nullptr, lblModified = nullptr;
  HWND lblAccessedL = nullptr, lblAccessed = nullptr;
  HWND lblStatusL = nullptr, lblStatus = nullptr;
  HWND lblRegistryL = nullptr, lblRegistry = nullptr;
  HWND Label8 = nullptr;
  HWND txtCommon = nullptr;
  HWND Label1 = nullptr;
  HWND txtSample = nullptr;
  HWND cmdPrint = nullptr;
  HWND cmdInstall = nullptr;
  HWND lblPointSize = nullptr;
  HWND Slider1 = nullptr;
  HWND lblSize = nullptr;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Face {
    std::string name;
    bool bold = false;
    bool italic = false;
  };

  bool CreateFrame();
  bool CreatePage1();
  void PaintPage1(HDC dc);
  // The labels that size themselves, after a change of face.
  void AutoSizePage1Labels();
  void Form_Resize();
  void TabPage_Click();
  void OnCommand(int id, HWND control);
  void Slider1_Change();
  void KeyUp(WPARAM key);
  void ShowInstallState();
  void SetSampleFaces();
  void ShowFileFacts(const std::string& path);
  void ShowFormatIcons(int format);
  void ResizePage(int page);
  // The tab strip's display area, in the window's client pixels.
  RECT TabDisplayArea() const;
  static LRESULT CALLBACK KeyPreview(int code, WPARAM wParam, LPARAM lParam);

  std::array<ControlContainer, 6> frmContainer;
  std::int16_t mCurrentPage = 1;
  viewer_layout::PageLayoutFlags mLayoutPending;
  bool mRebuildGrid = false;
  bool mLinksPending = true;
  bool mLoaded = false;
  bool mClosing = false;
  int mGridSize = 18;  // Slider2's value, until the Character Set page holds it
  Face mSampleFace;
  // The rules of page 1, in twips: left end, right end and the four heights.
  double mRuleRight = 4650;
  std::array<double, 4> mRuleTops{840, 870, 1740, 1770};  // lnBorder 4, 5, 1, 0

  ScopedFont mControlFont;  // MS Sans Serif 8.25, the design font of the controls
  ScopedFont mBoldFont;
  ScopedFont mSampleFont;
  ScopedFont mCommonFont;
  ScopedBitmap picLoader;  // the install-state picture last shown
  ScopedBrush mBackBrush;
  DialogFonts mDialogFonts;
  HHOOK mKeyHook = nullptr;
};

// The viewer window while one is loaded, else null.
frmFont* ViewerForm();

// View mode: loads the viewer on gRequestedFile, lets it paint, shows it.
bool OpenViewerWindow();
