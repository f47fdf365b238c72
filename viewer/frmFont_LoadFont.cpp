// Showing a font file in the viewer: the session font, the install state,
// the faces of the sample boxes and the file's facts.
#include <windows.h>
#include <commctrl.h>

#include "fontfile/SessionFont.h"
#include "fontfile/cTrueTypeInfo.h"
#include "startup/LogLine.h"
#include "startup/Session.h"
#include "startup/TextRules.h"
#include "startup/generic32.h"
#include "res/resource.h"
#include "viewer/CFileInfo.h"
#include "viewer/Twips.h"
#include "viewer/frmFont.h"
#include "viewer/modBitMaps.h"

namespace {
void SetLabel(HWND label, const std::string& text) {
  SetWindowTextA(label, text.c_str());
  AutoSizeLabel(label);
}
}  // namespace

void frmFont::ShowInstallState() {
  const bool installed = gFontInstalled;
  SetWindowTextA(lblStatus, installed ? "Font is installed on this system." : "This font is not installed.");
  SetWindowTextA(lblRegistry, installed ? gRegistryEntry.c_str() : "None");
  picLoader.reset(LoadBitmapResource(installed ? IDB_INSTALLED : IDB_NOT_INSTALLED));
  picAlert.Clear();
  if (picLoader) DrawTransparentBitmap(picAlert.dc(), picLoader.get(), 0, 0, CLR_KEY_RED);
  picAlert.Refresh();
  const TwipsRect alert = ChildPlace(picAlert.hwnd());
  SetChildLeft(lblStatus, alert.left + alert.width + 3 * TwipsPerPixelX());
  EnableWindow(cmdInstall, installed ? FALSE : TRUE);
  WriteLog(installed ? "Font is present on system - cosmetics adjusted."
                     : "Font is not present on system - cosmetics adjusted.");
}

void frmFont::SetSampleFaces() {
  const std::string title = UpperAscii(gFontTitle);
  mSampleFace.name = gTableName;
  mSampleFace.italic = title.find("ITALIC") != std::string::npos ||
                       title.find("OBLIQUE") != std::string::npos;
  mSampleFace.bold = title.find("BOLD") != std::string::npos;
  const int size = static_cast<int>(SendMessageA(Slider1, TBM_GETPOS, 0, 0));
  ScopedFont sample(MakeFont(mSampleFace.name, size, mSampleFace.bold, mSampleFace.italic));
  ScopedFont common(MakeFont(mSampleFace.name, 13.5, mSampleFace.bold, mSampleFace.italic));
  if (!sample || !common) {
    // The face cannot be had by its face name: the title stands in for it.
    mSampleFace = {gFontTitle, gFontTitle.find("Bold") != std::string::npos,
                   gFontTitle.find("Italic") != std::string::npos};
    sample.reset(MakeFont(mSampleFace.name, size, mSampleFace.bold, mSampleFace.italic));
    common.reset(MakeFont(mSampleFace.name, 13.5, mSampleFace.bold, mSampleFace.italic));
  }
  if (sample) {
    SendMessageA(txtSample, WM_SETFONT, reinterpret_cast<WPARAM>(sample.get()), TRUE);
    mSampleFont = std::move(sample);
  }
  if (common) {
    SendMessageA(txtCommon, WM_SETFONT, reinterpret_cast<WPARAM>(common.get()), TRUE);
    mCommonFont = std::move(common);
  }
}

void frmFont::ShowFileFacts(const std::string& path) {
  CFileInfo facts;
  facts.SetFullPathName(path);
  SetLabel(lblFileName, LowerCase(path));
  SetLabel(lblFileSize, CFileInfo::FormatFileSize(facts.FileSize()));
  SetLabel(lblCreated, CFileInfo::FormatFileDate(facts.CreationTime()));
  SetLabel(lblModified, CFileInfo::FormatFileDate(facts.ModifyTime()));
  SetLabel(lblAccessed, CFileInfo::FormatFileDate(facts.LastAccessTime()));
}

void frmFont::ShowFormatIcons(int format) {
  picIcon0.Clear();
  // picIcon(1) of the Information page is drawn the same way once it exists.
  if (format == cTrueTypeInfo::kTrueType || format == cTrueTypeInfo::kOpenType) {
    ImageList_Draw(imlIcons, format - 1, picIcon0.dc(), 0, 0, ILD_TRANSPARENT);
  }
  picIcon0.Refresh();
}

void frmFont::LoadFont(std::string& path) {
  if (!LoadSessionFont(path)) {
    SetLabel(lblFontName0, gFontTitle);  // and lblFontName(1) of the Information page
    EnableWindow(cmdInstall, FALSE);
  } else {
    ShowInstallState();
    SetSampleFaces();
    // The faces of the character cells pnlChr(0 .. mCellCount) are set here.
    SetLabel(lblFontName0, gFontTitle);  // and lblFontName(1) of the Information page
    ShowFileFacts(path);
    // LoadKerningInfo: the kerning pairs (Kerning page) are listed here.
    cTrueTypeInfo reader;
    reader.SetTrueTypeFile(path);
    reader.LoadFontInfo();
    ShowFormatIcons(reader.FileFormat());
    // lblFileName3 and the rest of the Information page are filled here from `reader`.
  }
  // With the Kerning tab selected, LoadKerningInfo runs again here.
}
