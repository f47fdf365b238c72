#include "fontfile/ByteSource.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <sys/types.h>

namespace {

constexpr uint64_t kUnknownPosition = UINT64_MAX;

bool SeekTo(std::FILE* file, uint64_t offset) {
  if (offset > static_cast<uint64_t>(INT64_MAX)) return false;
#ifdef _WIN32
  return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

// The length of an open regular file, or -1 for anything else.
int64_t RegularFileLength(std::FILE* file) {
#ifdef _WIN32
  struct __stat64 info {};
  if (_fstat64(_fileno(file), &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) return -1;
#else
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
#endif
  return info.st_size;
}

}  // namespace

bool ByteSource::Read(uint64_t offset, std::span<uint8_t> out) {
  const uint64_t size = Size();
  if (offset > size || size - offset < out.size()) return false;
  if (out.empty()) return true;
  if (offset >= aheadStart_ && offset - aheadStart_ <= ahead_.size() &&
      ahead_.size() - (offset - aheadStart_) >= out.size()) {
    std::memcpy(out.data(), ahead_.data() + (offset - aheadStart_), out.size());
    return true;
  }
  if (!ReadAt(offset, out)) return false;
  bytesRead_ += out.size();
  return true;
}

void ByteSource::ReadAhead(uint64_t offset, uint64_t length) {
  ahead_.clear();
  const uint64_t size = Size();
  if (offset >= size) return;
  length = std::min(length, size - offset);
  ahead_.resize(length);
  if (!ReadAt(offset, ahead_)) {
    ahead_.clear();
    return;
  }
  aheadStart_ = offset;
  bytesRead_ += length;
}

bool MemorySource::ReadAt(uint64_t offset, std::span<uint8_t> out) {
  std::memcpy(out.data(), bytes_.data() + offset, out.size());
  return true;
}

FileSource::FileSource(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return;
  const int64_t length = RegularFileLength(file);
  if (length < 0 || std::setvbuf(file, nullptr, _IONBF, 0) != 0) {
    std::fclose(file);
    return;
  }
  file_ = file;
  size_ = static_cast<uint64_t>(length);
  position_ = 0;
}

FileSource::~FileSource() {
  if (file_) std::fclose(file_);
}

bool FileSource::ReadAt(uint64_t offset, std::span<uint8_t> out) {
  if (offset != position_) {
    if (!SeekTo(file_, offset)) {
      position_ = kUnknownPosition;
      return false;
    }
    position_ = offset;
  }
  const size_t got = std::fread(out.data(), 1, out.size(), file_);
  if (got != out.size()) {
    // A short read leaves the stream somewhere unknown; seek next time.
    position_ = kUnknownPosition;
    std::clearerr(file_);
    return false;
  }
  position_ += got;
  return true;
}

bool IsExistingFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
