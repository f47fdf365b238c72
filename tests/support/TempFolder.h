// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path in the platform's own form, without trailing separator.
  const std::string& path() const { return path_; }
  // path() + separator + name.
  std::string File(const std::string& name) const;
  // Writes a file in the folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  // The bytes of a file in the folder; empty when it does not exist.
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;

 private:
  std::string path_;
};
