// Small owners for Win32 resources, so that every routine releases what it
// made on every path.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

// A kernel handle closed with CloseHandle (files, processes, pipes).
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  ~ScopedHandle() { reset(); }
  ScopedHandle(ScopedHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  ScopedHandle& operator=(ScopedHandle&& o) noexcept {
    if (this != &o) { reset(); h_ = std::exchange(o.h_, nullptr); }
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;

  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset(HANDLE h = nullptr) {
    if (h_) CloseHandle(h_);
    h_ = (h == INVALID_HANDLE_VALUE) ? nullptr : h;
  }

 private:
  HANDLE h_ = nullptr;
};

// A directory search closed with FindClose.
class ScopedFind {
 public:
  ScopedFind(const std::string& pattern, WIN32_FIND_DATAA& data)
      : h_(FindFirstFileA(pattern.c_str(), &data)) {}
  ~ScopedFind() { if (h_ != INVALID_HANDLE_VALUE) FindClose(h_); }
  ScopedFind(const ScopedFind&) = delete;
  ScopedFind& operator=(const ScopedFind&) = delete;
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAA& data) { return FindNextFileA(h_, &data) != FALSE; }

 private:
  HANDLE h_;
};

// An open registry key.
class ScopedKey {
 public:
  ScopedKey() = default;
  ~ScopedKey() { reset(); }
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  HKEY get() const { return k_; }
  HKEY* receive() { reset(); return &k_; }
  explicit operator bool() const { return k_ != nullptr; }
  void reset() { if (k_) RegCloseKey(k_); k_ = nullptr; }

 private:
  HKEY k_ = nullptr;
};

// A device context taken with GetDC and given back with ReleaseDC.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~ScopedGetDC() { if (dc_) ReleaseDC(hwnd_, dc_); }
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A memory or other created device context, deleted with DeleteDC.
class ScopedCreateDC {
 public:
  explicit ScopedCreateDC(HDC dc) : dc_(dc) {}
  ~ScopedCreateDC() { if (dc_) DeleteDC(dc_); }
  ScopedCreateDC(const ScopedCreateDC&) = delete;
  ScopedCreateDC& operator=(const ScopedCreateDC&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// A GDI object (font, bitmap, pen, brush) deleted with DeleteObject.
template <typename T>
class ScopedGdiObject {
 public:
  ScopedGdiObject() = default;
  explicit ScopedGdiObject(T obj) : obj_(obj) {}
  ~ScopedGdiObject() { reset(); }
  ScopedGdiObject(ScopedGdiObject&& o) noexcept : obj_(std::exchange(o.obj_, nullptr)) {}
  ScopedGdiObject& operator=(ScopedGdiObject&& o) noexcept {
    if (this != &o) { reset(); obj_ = std::exchange(o.obj_, nullptr); }
    return *this;
  }
  ScopedGdiObject(const ScopedGdiObject&) = delete;
  ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
  T get() const { return obj_; }
  explicit operator bool() const { return obj_ != nullptr; }
  void reset(T obj = nullptr) {
    if (obj_) DeleteObject(obj_);
    obj_ = obj;
  }

 private:
  T obj_ = nullptr;
};
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;

// An object selected into a DC, with the previous one put back at the end.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~ScopedSelect() { if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  // False when the object could not be selected (say, a bitmap already in another DC).
  explicit operator bool() const { return old_ && old_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A temporary file deleted when the owner goes, unless released.
class ScopedTempFile {
 public:
  explicit ScopedTempFile(std::string path) : path_(std::move(path)) {}
  ~ScopedTempFile() { if (!path_.empty()) DeleteFileA(path_.c_str()); }
  ScopedTempFile(const ScopedTempFile&) = delete;
  ScopedTempFile& operator=(const ScopedTempFile&) = delete;
  const std::string& path() const { return path_; }
  // Keeps the file: someone else deletes it.
  void release() { path_.clear(); }

 private:
  std::string path_;
};
