// Where the font reader gets its bytes: a file on disk, opened for one call
// and closed again, or bytes already in memory (the fuzzer, tests).
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // Length of the bytes; fixed for the life of the source.
  virtual uint64_t Size() const = 0;

  // Fills out with the bytes at offset. Fails (out then holds no meaning)
  // unless the whole range lies inside the source and could be read; a range
  // reaching past the end is refused before anything is read.
  bool Read(uint64_t offset, std::span<uint8_t> out);

  // Reads the part of [offset, offset + length) inside the source in one go
  // and serves later reads that fall wholly inside it from memory. For a
  // file, a read call costs far more than the bytes it copies, so a caller
  // that will soon read several small pieces close together asks for the
  // stretch holding them first. Replaces the previous stretch.
  void ReadAhead(uint64_t offset, uint64_t length);

  // Bytes taken from the source so far (read-ahead stretches included), so
  // that callers can show how little of a file they need.
  uint64_t BytesRead() const { return bytesRead_; }

 protected:
  virtual bool ReadAt(uint64_t offset, std::span<uint8_t> out) = 0;

 private:
  uint64_t bytesRead_ = 0;
  uint64_t aheadStart_ = 0;
  std::vector<uint8_t> ahead_;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  uint64_t Size() const override { return bytes_.size(); }

 protected:
  bool ReadAt(uint64_t offset, std::span<uint8_t> out) override;

 private:
  std::span<const uint8_t> bytes_;
};

// Reads straight from the file, without stdio's buffer: the reader asks for
// few, exactly sized pieces, and a buffer would only add reads of its own.
class FileSource final : public ByteSource {
 public:
  // Opens the file for reading; IsOpen() tells whether that gave a regular
  // file (a folder can be opened on some systems, but not read).
  explicit FileSource(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  uint64_t Size() const override { return size_; }

 protected:
  bool ReadAt(uint64_t offset, std::span<uint8_t> out) override;

 private:
  std::FILE* file_ = nullptr;
  uint64_t size_ = 0;
  uint64_t position_ = 0;  // where the stream stands, so that a read
                           // following the last one needs no seek
};

// True when path names an existing regular file (a folder is not a file).
bool IsExistingFile(const std::string& path);
