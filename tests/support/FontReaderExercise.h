// Runs every reader of font bytes over one input, as the fuzzer does; the
// host tests replay the inputs that once broke a reader through it.
#pragma once

#include <cstdint>
#include <span>

void ExerciseFontReaders(std::span<const uint8_t> bytes);
