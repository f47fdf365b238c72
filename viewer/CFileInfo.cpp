#include "viewer/CFileInfo.h"

#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "startup/TextRules.h"
#include "startup/Win32Handles.h"

namespace {

// Fixed-size fields of the find data and the shell end at their first NUL;
// one filled to the brim is taken whole, without blanks around it.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
  const std::size_t length = strnlen(field, N);
  if (length < N) return std::string(field, length);
  return Trim(std::string_view(field, N));
}

SYSTEMTIME LocalSeconds(const FILETIME& utc) {
  SYSTEMTIME result{};
  FILETIME local{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &result)) {
    return SYSTEMTIME{};
  }
  result.wMilliseconds = 0;
  return result;
}

std::string UpToLastBackslash(const std::string& path) {
  const auto at = path.rfind('\\');
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

// The folder as the file system spells it: each level looked up in turn; a
// level that cannot be found keeps the spelling it was given.
std::string FolderAsStored(const std::string& folder) {
  std::string built;
  std::size_t next = 0;
  if (folder.rfind("\\\\", 0) == 0) {
    // \\server\share stays as written: it cannot be searched for.
    std::size_t end = folder.find('\\', 2);
    if (end != std::string::npos) end = folder.find('\\', end + 1);
    built = folder.substr(0, end);
    next = end == std::string::npos ? folder.size() : end;
  } else if (folder.size() >= 2 && folder[1] == ':') {
    built = UpperAscii(folder.substr(0, 2));
    next = 2;
  }
  while (next < folder.size()) {
    if (folder[next] == '\\') ++next;
    std::size_t end = folder.find('\\', next);
    if (end == std::string::npos) end = folder.size();
    const std::string level = folder.substr(next, end - next);
    next = end;
    if (level.empty()) continue;
    WIN32_FIND_DATAA found{};
    ScopedFind search(built + "\\" + level, found);
    built += "\\" + (search ? FieldText(found.cFileName) : level);
  }
  if (built.empty() || built.back() != '\\') built += '\\';
  return built;
}

// SHGetFileInfoA wants COM on the thread; this keeps the thread as the
// caller had it.
class ComForThisCall {
 public:
  ComForThisCall() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComForThisCall() { if (initialised_) CoUninitialize(); }
  ComForThisCall(const ComForThisCall&) = delete;
  ComForThisCall& operator=(const ComForThisCall&) = delete;

 private:
  bool initialised_;
};

std::string LocaleText(LCTYPE what, const char* fallback) {
  char buffer[16] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buffer, sizeof buffer) <= 1) return fallback;
  return buffer;
}

// `value` is plain decimal text ("1.5"); the result has `digits` decimals,
// rounded, with the locale's separators, grouped by thousands when asked.
std::string LocaleNumber(const std::string& value, UINT digits, bool grouped) {
  std::string decimal = LocaleText(LOCALE_SDECIMAL, ".");
  std::string thousand = LocaleText(LOCALE_STHOUSAND, ",");
  NUMBERFMTA format{};
  format.NumDigits = digits;
  format.LeadingZero = 1;
  format.Grouping = grouped ? 3 : 0;
  format.lpDecimalSep = decimal.data();
  format.lpThousandSep = thousand.data();
  format.NegativeOrder = 1;
  char buffer[96] = {};
  if (GetNumberFormatA(LOCALE_USER_DEFAULT, 0, value.c_str(), &format, buffer, sizeof buffer) <= 0) {
    return value;
  }
  return buffer;
}

std::string Bytes(std::uint64_t size) {
  return LocaleNumber(std::to_string(size), 0, true);
}

std::string Scaled(std::uint64_t size, double unit, UINT digits, const char* unitName) {
  // Twelve decimals keep every quotient of a size by a power of 1024 exact
  // enough that only GetNumberFormatA rounds.
  char value[64];
  std::snprintf(value, sizeof value, "%.12f", static_cast<double>(size) / unit);
  return LocaleNumber(value, digits, false) + unitName + " (" + Bytes(size) + " bytes)";
}

}  // namespace

CFileInfo::~CFileInfo() { ReplaceIcon(nullptr); }

void CFileInfo::ReplaceIcon(HICON icon) {
  if (icon_) DestroyIcon(icon_);
  icon_ = icon;
}

void CFileInfo::SetFullPathName(const std::string& path) {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  // A result of MAX_PATH or more is the size needed, not a path.
  if (length == 0 || length >= MAX_PATH) return;
  fullPathName_.assign(buffer, length);
  Refresh();
}

void CFileInfo::Refresh() {
  // A pattern would find some other file and report its facts as this one's.
  if (fullPathName_.empty() || fullPathName_.find_first_of("*?") != std::string::npos) {
    fileExists_ = false;
    return;
  }
  WIN32_FIND_DATAA found{};
  {
    ScopedFind search(fullPathName_, found);
    if (!search) {
      fileExists_ = false;
      return;
    }
  }
  fileExists_ = pathExists_ = true;
  fileSize_ = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  attributes_ = found.dwFileAttributes;
  creationTime_ = LocalSeconds(found.ftCreationTime);
  lastAccessTime_ = LocalSeconds(found.ftLastAccessTime);
  modifyTime_ = LocalSeconds(found.ftLastWriteTime);

  fileName_ = FieldText(found.cFileName);
  const auto lastSlash = fullPathName_.rfind('\\');
  filePath_ = FolderAsStored(lastSlash == std::string::npos ? std::string()
                                                            : fullPathName_.substr(0, lastSlash));
  fullPathName_ = filePath_ + fileName_;

  const auto dot = fileName_.rfind('.');
  fileExtension_ = dot == std::string::npos ? std::string() : fileName_.substr(dot + 1);
  shortName_ = FieldText(found.cAlternateFileName);
  if (shortName_.empty()) shortName_ = UpperAscii(fileName_);
  char shortPath[MAX_PATH] = {};
  const DWORD shortLength = GetShortPathNameA(fullPathName_.c_str(), shortPath, MAX_PATH);
  shortPathName_ = (shortLength > 0 && shortLength < MAX_PATH)
                       ? std::string(shortPath, shortLength)
                       : filePath_ + shortName_;
  shortPath_ = UpToLastBackslash(shortPathName_);

  DWORD compressedHigh = 0;
  SetLastError(NO_ERROR);
  const DWORD compressedLow = GetCompressedFileSizeA(fullPathName_.c_str(), &compressedHigh);
  compressedFileSize_ = (compressedLow == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
                            ? 0
                            : (static_cast<std::uint64_t>(compressedHigh) << 32) | compressedLow;

  ReplaceIcon(nullptr);
  SHFILEINFOA shell{};
  {
    ComForThisCall com;
    if (SHGetFileInfoA(fullPathName_.c_str(), 0, &shell, sizeof shell,
                       SHGFI_TYPENAME | SHGFI_DISPLAYNAME | SHGFI_ICON) != 0) {
      ReplaceIcon(shell.hIcon);
    } else {
      shell = SHFILEINFOA{};
    }
  }
  displayName_ = FieldText(shell.szDisplayName);
  typeName_ = FieldText(shell.szTypeName);
  if (Trim(typeName_).empty()) typeName_ = Trim(UpperAscii(fileExtension_) + " File");
}

bool CFileInfo::SetAttributes(DWORD attributes) {
  if (!SetFileAttributesA(fullPathName_.c_str(), attributes)) return false;
  Refresh();
  return true;
}

bool CFileInfo::SetAttributeFlag(DWORD flag, bool on) {
  return SetAttributes(on ? (attributes_ | flag) : (attributes_ & ~flag));
}

bool CFileInfo::SetTime(Which which, const SYSTEMTIME& localTime) {
  FILETIME local{}, utc{};
  if (!SystemTimeToFileTime(&localTime, &local) || !LocalFileTimeToFileTime(&local, &utc)) {
    return false;
  }
  ScopedHandle file(CreateFileA(fullPathName_.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return false;
  const BOOL set = SetFileTime(file.get(), which == Which::Creation ? &utc : nullptr,
                               which == Which::Access ? &utc : nullptr,
                               which == Which::Write ? &utc : nullptr);
  file.reset();
  if (!set) return false;
  Refresh();
  return true;
}

bool CFileInfo::SetCreationTime(const SYSTEMTIME& t) { return SetTime(Which::Creation, t); }
bool CFileInfo::SetModifyTime(const SYSTEMTIME& t) { return SetTime(Which::Write, t); }
bool CFileInfo::SetLastAccessTime(const SYSTEMTIME& t) { return SetTime(Which::Access, t); }

std::string CFileInfo::FormatFileSize(std::uint64_t size) {
  constexpr double kKB = 1024.0, kMB = 1048576.0, kGB = 1073741824.0;
  const std::uint64_t k = size / 1024;
  if (size < 1024) return Bytes(size) + " bytes";
  // The unit changes at a thousand of the smaller one, not at 1024.
  if (k <= 9) return Scaled(size, kKB, 2, "KB");
  if (k <= 99) return Scaled(size, kKB, 1, "KB");
  if (k <= 999) return Scaled(size, kKB, 0, "KB");
  if (k <= 9999) return Scaled(size, kMB, 2, "MB");
  if (k <= 99999) return Scaled(size, kMB, 1, "MB");
  if (k <= 999999) return Scaled(size, kMB, 0, "MB");
  return Scaled(size, kGB, 2, "GB");
}

std::string CFileInfo::FormatFileDate(const SYSTEMTIME& localTime) {
  // A round trip through a file time fills in the day of the week, which
  // the long date names.
  SYSTEMTIME when = localTime;
  FILETIME asFileTime{};
  if (SystemTimeToFileTime(&localTime, &asFileTime)) FileTimeToSystemTime(&asFileTime, &when);
  char date[128] = {};
  char time[64] = {};
  const bool haveDate = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &when, nullptr, date,
                                       sizeof date) > 0;
  const bool haveTime = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &when, nullptr, time,
                                       sizeof time) > 0;
  if (haveDate && haveTime) return std::string(date) + " " + time;
  return haveDate ? date : (haveTime ? time : "");
}
