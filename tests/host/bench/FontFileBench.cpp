// Time and bytes the font reader needs per installed font: the format check
// and the naming texts, as the viewer runs them for a font it shows.
//
//   fontfile_bench [--benchmark_filter=...] (fonts from /usr/share/fonts, or
//   from the folder in LETLOOM_BENCH_FONTS)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fontfile/cTrueTypeInfo.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> FindFonts(const fs::path& folder) {
  std::vector<fs::path> fonts;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string extension = it->path().extension().string();
    if (it->is_regular_file() && (extension == ".ttf" || extension == ".otf")) fonts.push_back(it->path());
  }
  std::sort(fonts.begin(), fonts.end());
  return fonts;
}

// One reader per use, as the program makes them.
uint64_t ReadFont(const std::string& path) {
  cTrueTypeInfo reader;
  reader.SetTrueTypeFile(path);
  reader.LoadFontInfo();
  benchmark::DoNotOptimize(reader.FontFamily().data());
  return reader.BytesRead();
}

void OneFont(benchmark::State& state, const std::string& path) {
  uint64_t bytes = 0;
  for (auto _ : state) bytes = ReadFont(path);
  state.counters["bytes_read"] = static_cast<double>(bytes);
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(path));
}

void AllFonts(benchmark::State& state, const std::vector<std::string>& paths) {
  uint64_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (const std::string& path : paths) bytes += ReadFont(path);
  }
  const double fonts = static_cast<double>(paths.size());
  state.counters["fonts"] = fonts;
  state.counters["bytes_per_font"] = static_cast<double>(bytes) / fonts;
  // Seconds per font, which the console shows in a readable unit.
  state.counters["time_per_font"] = benchmark::Counter(
      fonts, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

int main(int argc, char** argv) {
  const char* folder = std::getenv("LETLOOM_BENCH_FONTS");
  std::vector<std::string> paths;
  for (const fs::path& font : FindFonts(folder ? folder : "/usr/share/fonts")) paths.push_back(font.string());
  if (paths.empty()) {
    std::fprintf(stderr, "no fonts found\n");
    return 1;
  }
  for (const std::string& path : paths) {
    benchmark::RegisterBenchmark(fs::path(path).filename().string().c_str(), OneFont, path)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("AllFonts", AllFonts, paths)->Unit(benchmark::kMicrosecond);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
