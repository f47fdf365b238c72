#include <gtest/gtest.h>

#include <string>

#include "startup/Form.h"
#include "startup/Win32Handles.h"
#include "startup/generic32.h"
#include "startup/modWindowsVersion.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

TEST(Folders, AreLowerCaseWithoutTrailingBackslash) {
  ASSERT_TRUE(RunningUnderWine());
  EXPECT_EQ(GetSystemFolder(), "c:\\windows\\system32");
  EXPECT_EQ(GetWindowsFolder(), "c:\\windows");
  EXPECT_EQ(GetFontsFolder(), "c:\\windows\\fonts");
}

TEST(DialogFont, PrefersTahomaAndComparesFacesExactly) {
  EXPECT_TRUE(IsScreenFont("Tahoma"));
  EXPECT_FALSE(IsScreenFont("tahoma"));
  EXPECT_FALSE(IsScreenFont("No Such Face"));
  EXPECT_FALSE(IsScreenFont(""));
  EXPECT_EQ(ChooseDialogFont(), "Tahoma");
}

// Runs this test program again as <name>.exe with Wine told to report
// another Windows version to it, and returns what it printed.
std::string ReportUnderVersion(const std::string& version) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string name = "letloom-version-" + version + ".exe";
  const std::string copy = std::string(temp) + name;
  if (!CopyFileA(self, copy.c_str(), FALSE)) return "copy failed";

  const std::string key = "Software\\Wine\\AppDefaults\\" + name;
  ScopedKey appKey;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      appKey.receive(), nullptr) != ERROR_SUCCESS ||
      RegSetValueExA(appKey.get(), "Version", 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(version.c_str()),
                     static_cast<DWORD>(version.size() + 1)) != ERROR_SUCCESS) {
    DeleteFileA(copy.c_str());
    return "registry failed";
  }
  appKey.reset();

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readRaw = nullptr, writeRaw = nullptr;
  std::string output;
  if (CreatePipe(&readRaw, &writeRaw, &inherit, 0)) {
    ScopedHandle readEnd(readRaw), writeEnd(writeRaw);
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd.get();
    si.hStdError = writeEnd.get();
    std::string commandLine = "\"" + copy + "\" --report-version";
    PROCESS_INFORMATION pi{};
    if (CreateProcessA(copy.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       nullptr, &si, &pi)) {
      ScopedHandle process(pi.hProcess), thread(pi.hThread);
      writeEnd.reset();
      char buffer[512];
      DWORD got = 0;
      while (ReadFile(readEnd.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        output.append(buffer, got);
      }
      WaitForSingleObject(process.get(), 10000);
    }
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
  DeleteFileA(copy.c_str());
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return output;
}

TEST(WindowsVersion, TextAndFontsKeyUnderEachWineVersionSetting) {
  ASSERT_TRUE(RunningUnderWine()) << "the version is switched through Wine's settings";
  const std::string nt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
  const std::string win9x = "software\\microsoft\\windows\\currentversion\\fonts";
  const struct {
    const char* version;
    std::string report;
  } cases[] = {
      {"win95", "Windows 95|" + win9x},  {"win98", "Windows 98|" + win9x},
      {"nt40", "Windows NT 4.0|" + nt},  {"win2k", "Windows 2000|" + nt},
      {"winxp", "Windows 2000|" + nt},   {"win10", "|" + nt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReportUnderVersion(c.version), c.report) << c.version;
}

class PlainWindow : public Form {
 public:
  PlainWindow(int width, int height) {
    CreateForm("test", WS_POPUP, 0, 0, 0, width, height);
  }
};

TEST(CenterForm, HalfTheSpareWidthAndAThirdOfTheSpareHeight) {
  PlainWindow window(300, 200);
  ASSERT_NE(window.hwnd(), nullptr);
  CenterForm(window.hwnd());
  RECT r{};
  GetWindowRect(window.hwnd(), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 200) / 3);
}

TEST(ApplyDialogFont, ReplacesTheFaceAndKeepsSizeAndStyle) {
  PlainWindow window(300, 200);
  auto child = [&](const char* cls) {
    return CreateWindowExA(0, cls, "x", WS_CHILD, 0, 0, 50, 20, window.hwnd(), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  };
  HWND bold = child("BUTTON");
  HWND plain = child("STATIC");
  HWND none = child("STATIC");
  ScopedFont boldFont(CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                                  "MS Sans Serif"));
  ScopedFont plainFont(CreateFontA(-11, 0, 0, 0, FW_NORMAL, TRUE, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                                   "MS Sans Serif"));
  SendMessageA(bold, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont.get()), FALSE);
  SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(plainFont.get()), FALSE);

  DialogFonts keep;
  ApplyDialogFont(window.hwnd(), "Tahoma", keep);

  auto described = [](HWND control) {
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf;
  };
  const LOGFONTA b = described(bold), p = described(plain);
  EXPECT_STREQ(b.lfFaceName, "Tahoma");
  EXPECT_EQ(b.lfHeight, -13);
  EXPECT_EQ(b.lfWeight, FW_BOLD);
  EXPECT_STREQ(p.lfFaceName, "Tahoma");
  EXPECT_EQ(p.lfHeight, -11);
  EXPECT_TRUE(p.lfItalic);
  EXPECT_EQ(SendMessageA(none, WM_GETFONT, 0, 0), 0);  // no font of its own: left alone
}

TEST(ApplyDialogFont, AnEmptyFaceLeavesTheFonts) {
  PlainWindow window(100, 100);
  HWND label = CreateWindowExA(0, "STATIC", "x", WS_CHILD, 0, 0, 50, 20, window.hwnd(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ScopedFont font(CreateFontA(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif"));
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  DialogFonts keep;
  ApplyDialogFont(window.hwnd(), "", keep);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), font.get());
}

TEST(ExeNameCheck, TheTestProgramIsNotLetloomExe) { EXPECT_TRUE(ExeNameCheck()); }

}  // namespace
