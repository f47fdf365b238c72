// Inputs that once broke a font reader, kept under crashes/ and replayed.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/FontReaderExercise.h"
#include "tests/support/FontWriter.h"

namespace {

TEST(CrashReplay, KeptInputsRunCleanly) {
  const std::filesystem::path folder = LETLOOM_CRASH_DIR;
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no " << folder;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".")) continue;
    SCOPED_TRACE(entry.path().string());
    ExerciseFontReaders(testfont::LoadBytes(entry.path().string()));
  }
}

}  // namespace
