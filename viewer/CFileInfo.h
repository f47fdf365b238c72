// The facts the file system and the shell keep about one file, and how the
// viewer shows sizes and dates.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class CFileInfo {
 public:
  CFileInfo() = default;
  ~CFileInfo();
  CFileInfo(const CFileInfo&) = delete;
  CFileInfo& operator=(const CFileInfo&) = delete;

  const std::string& FullPathName() const { return fullPathName_; }
  // Resolves the path against the current folder and refreshes. A path that
  // cannot be resolved changes nothing.
  void SetFullPathName(const std::string& path);
  // Reads every fact again; a file that is not found leaves them as they were.
  void Refresh();

  bool FileExists() const { return fileExists_; }
  bool PathExists() const { return pathExists_; }
  // The whole size; files of 4 GB and more are common enough to matter.
  std::uint64_t FileSize() const { return fileSize_; }
  std::uint64_t CompressedFileSize() const { return compressedFileSize_; }
  DWORD Attributes() const { return attributes_; }
  // Local time, to the whole second; all zero before a file was found.
  const SYSTEMTIME& CreationTime() const { return creationTime_; }
  const SYSTEMTIME& ModifyTime() const { return modifyTime_; }
  const SYSTEMTIME& LastAccessTime() const { return lastAccessTime_; }

  const std::string& FileName() const { return fileName_; }
  const std::string& FilePath() const { return filePath_; }  // ends in a backslash
  const std::string& FileExtension() const { return fileExtension_; }
  const std::string& ShortName() const { return shortName_; }
  const std::string& ShortPathName() const { return shortPathName_; }
  const std::string& ShortPath() const { return shortPath_; }  // ends in a backslash
  const std::string& DisplayName() const { return displayName_; }
  const std::string& TypeName() const { return typeName_; }
  // Owned by this object: valid until the next Refresh or its destruction.
  HICON hIcon() const { return icon_; }

  // Each writer changes the file, then refreshes; false when the file
  // system refused, with the facts unchanged.
  bool SetAttributes(DWORD attributes);
  // One attribute bit (FILE_ATTRIBUTE_READONLY, _HIDDEN, _SYSTEM, _ARCHIVE,
  // _TEMPORARY, _COMPRESSED) on or off, the others kept.
  bool SetAttributeFlag(DWORD flag, bool on);
  bool SetCreationTime(const SYSTEMTIME& localTime);
  bool SetModifyTime(const SYSTEMTIME& localTime);
  bool SetLastAccessTime(const SYSTEMTIME& localTime);

  // "1,023 bytes", "1.50KB (1,536 bytes)", "0.98MB (1,024,000 bytes)", with
  // the separators of the user's locale.
  static std::string FormatFileSize(std::uint64_t size);
  // The long date, a blank and the long time of the user's locale.
  static std::string FormatFileDate(const SYSTEMTIME& localTime);

 private:
  enum class Which { Creation, Access, Write };
  bool SetTime(Which which, const SYSTEMTIME& localTime);
  void ReplaceIcon(HICON icon);

  std::string fullPathName_;
  bool fileExists_ = false;
  bool pathExists_ = false;
  std::uint64_t fileSize_ = 0;
  std::uint64_t compressedFileSize_ = 0;
  DWORD attributes_ = 0;
  SYSTEMTIME creationTime_{};
  SYSTEMTIME modifyTime_{};
  SYSTEMTIME lastAccessTime_{};
  std::string fileName_, filePath_, fileExtension_;
  std::string shortName_, shortPathName_, shortPath_;
  std::string displayName_, typeName_;
  HICON icon_ = nullptr;
};
