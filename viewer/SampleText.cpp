#include "viewer/SampleText.h"

#include <windows.h>

#include <algorithm>

#include "startup/Win32Handles.h"

std::optional<std::string> ReadSampleText(const std::string& path) {
  ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char buffer[4096];
  DWORD got = 0;
  for (;;) {
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    content.append(buffer, got);
  }
  return JoinedLines(content);
}

namespace {
// The folder part of a path, with its backslash; "." for a bare name.
std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD wrote = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) || wrote == 0) return false;
    done += wrote;
  }
  return true;
}
}  // namespace

bool WriteSampleText(const std::string& path, const std::string& text) {
  // The new text goes to a temporary file in the same folder, so that the
  // replacing move stays on one volume.
  char temporary[MAX_PATH] = {};
  if (!GetTempFileNameA(FolderOf(path).c_str(), "smp", 0, temporary)) return false;
  bool written = false;
  {
    ScopedHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    written = file && WriteAll(file.get(), text + "\r\n") && FlushFileBuffers(file.get());
  }
  if (!written ||
      !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary);
    return false;
  }
  return true;
}
