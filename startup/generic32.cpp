#include "startup/generic32.h"

#include <shellapi.h>
#include <shlobj.h>

#include "startup/TextRules.h"

std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& fallback, const std::string& file) {
  char buffer[100] = {};
  const DWORD count = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                               buffer, sizeof buffer, file.c_str());
  if (count == 0) return {};
  return std::string(buffer);  // up to the first NUL
}

std::int16_t ReadIniInt(const std::string& section, const std::string& key,
                        std::int16_t fallback, const std::string& file) {
  // Read as text so that a number beyond 16 bits can be saturated instead of
  // wrapping; the reading rules are those of GetPrivateProfileIntA.
  char buffer[100] = {};
  const std::string fallbackText = std::to_string(fallback);
  GetPrivateProfileStringA(section.c_str(), key.c_str(), fallbackText.c_str(), buffer,
                           sizeof buffer, file.c_str());
  return ParseIniInt(buffer);
}

std::string LowerCase(std::string text) {
  if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

void WriteIniString(const std::string& section, const std::string& key,
                    const std::string& value, const std::string& file) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

namespace {
// Calls a GetXxxDirectoryA-style function, growing the buffer when the
// path is longer than the first one.
template <typename Query>
std::string QueryFolder(Query query) {
  std::string buffer(144, '\0');
  UINT length = query(buffer.data(), static_cast<UINT>(buffer.size()));
  if (length >= buffer.size()) {
    buffer.assign(length + 1, '\0');
    length = query(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) return {};
  }
  buffer.resize(length);
  return buffer;
}
}  // namespace

std::string GetSystemFolder() {
  return LowerCase(QueryFolder([](char* b, UINT n) { return GetSystemDirectoryA(b, n); }));
}

std::string GetWindowsFolder() {
  return LowerCase(QueryFolder([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); }));
}

std::string GetFontsFolder() {
  char buffer[MAX_PATH] = {};
  if (SHGetFolderPathA(nullptr, CSIDL_FONTS, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK) return {};
  return LowerCase(buffer);
}

std::string ModuleFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) { path.resize(length); break; }
    path.resize(path.size() * 2);
  }
  const auto slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool PathExists(const std::string& path) {
  if (path.empty()) return false;
  // A folder path ending in a backslash exists when the folder holds files.
  const std::string pattern = path.back() == '\\' ? path + "*" : path;
  WIN32_FIND_DATAA data{};
  ScopedFind find(pattern, data);
  if (!find) return false;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  } while (find.Next(data));
  return false;
}

namespace {
int CALLBACK MatchFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM wanted) {
  // Case-sensitive, as the screen's names are compared exactly.
  return lstrcmpA(font->lfFaceName, reinterpret_cast<const char*>(wanted)) == 0 ? 0 : 1;
}
}  // namespace

bool IsScreenFont(const std::string& face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  ScopedGetDC screen(nullptr);
  if (!screen) return false;
  LOGFONTA query{};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(query.lfFaceName, face.c_str(), LF_FACESIZE);
  // The callback stops the enumeration (returns 0) on a match, which makes
  // EnumFontFamiliesExA return 0.
  const int result = EnumFontFamiliesExA(screen.get(), &query, MatchFace,
                                         reinterpret_cast<LPARAM>(face.c_str()), 0);
  return result == 0;
}

std::string ChooseDialogFont() {
  for (const char* face : {"Tahoma", "Arial", "MS Sans Serif"}) {
    if (IsScreenFont(face)) return face;
  }
  return {};
}

HFONT DialogFonts::FontLike(HFONT original, const std::string& face) {
  for (const auto& entry : fonts_) {
    if (entry.original == original) return entry.font.get();
  }
  LOGFONTA description{};
  if (GetObjectA(original, sizeof description, &description) != sizeof description) return nullptr;
  lstrcpynA(description.lfFaceName, face.c_str(), LF_FACESIZE);
  ScopedFont font(CreateFontIndirectA(&description));
  if (!font) return nullptr;
  HFONT made = font.get();
  fonts_.push_back({original, std::move(font)});
  return made;
}

namespace {
struct ApplyFontContext {
  const std::string* face;
  DialogFonts* keep;
};

BOOL CALLBACK ApplyFontToControl(HWND control, LPARAM param) {
  auto& context = *reinterpret_cast<ApplyFontContext*>(param);
  const auto current = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (!current) return TRUE;  // no font of its own: skip it, go on
  HFONT replacement = context.keep->FontLike(current, *context.face);
  if (replacement) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(replacement), TRUE);
  return TRUE;
}
}  // namespace

void ApplyDialogFont(HWND window, const std::string& face, DialogFonts& keep) {
  if (!window || face.empty()) return;
  ApplyFontContext context{&face, &keep};
  EnumChildWindows(window, ApplyFontToControl, reinterpret_cast<LPARAM>(&context));
}

void CenterForm(HWND window) {
  RECT bounds{};
  if (!GetWindowRect(window, &bounds)) return;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 3;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SelectAllOnTab(HWND textBox) {
  if (GetKeyState(VK_TAB) >= 0) return;
  SetFocus(textBox);
  SendMessageA(textBox, EM_SETSEL, 0, GetWindowTextLengthA(textBox));
}

INT_PTR OpenWithShell(const std::string& target) {
  return reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", target.c_str(), "", "", SW_SHOWNORMAL));
}

bool ExeNameCheck() {
  char buffer[256] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, 255);
  return ExeNameDiffers(std::string(buffer, length));
}
