// libFuzzer entry: raw bytes straight into every font reader.
#include <cstddef>
#include <cstdint>

#include "tests/support/FontReaderExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ExerciseFontReaders(std::span<const uint8_t>(data, size));
  return 0;
}
