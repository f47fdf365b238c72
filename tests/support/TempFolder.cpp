#include "tests/support/TempFolder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
std::string UniqueName() {
  static std::atomic<unsigned> counter{0};
  std::random_device seed;
  std::ostringstream name;
  name << "letloom-test-" << std::hex << seed() << "-" << counter++;
  return name.str();
}
}  // namespace

TempFolder::TempFolder() {
  const fs::path folder = fs::temp_directory_path() / UniqueName();
  if (!fs::create_directories(folder)) throw std::runtime_error("cannot create " + folder.string());
  path_ = folder.string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TempFolder::File(const std::string& name) const {
  return (fs::path(path_) / name).string();
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  const std::string file = File(name);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file);
  return file;
}

std::string TempFolder::Read(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool TempFolder::Exists(const std::string& name) const { return fs::exists(File(name)); }
