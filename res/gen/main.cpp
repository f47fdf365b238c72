// resgen <folder>: writes the program's generated resource files into folder,
// where letloom.rc picks them up.
#include <cstdio>
#include <exception>
#include <string>

#include "res/gen/resgen.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: resgen <output folder>\n");
    return 2;
  }
  try {
    std::string error;
    if (!resgen::WriteAll(argv[1], error)) {
      std::fprintf(stderr, "resgen: %s\n", error.c_str());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
