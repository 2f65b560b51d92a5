// Reading a user's file in bounded memory: a sight log at the 16 MB bound read whole, and an
// endless stream (/dev/zero) refused once the bound is passed. The counter "peakRssMB" is the
// process's largest resident memory so far, which stays near the bound whatever the input.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/bounded_file_reader.h"

namespace nocturna {
namespace {

constexpr char kRow[] = "2026-12-09 18:40:00,Vega,,47 57.7,-1.5,3\n";

// A log of rows just under the bound, in a folder of its own that goes with the benchmark.
class LogAtTheBound {
 public:
  LogAtTheBound() {
    char name[] = "/tmp/nocturna_read_bench.XXXXXX";
    folder_ = ::mkdtemp(name) != nullptr ? name : "/tmp";
    path_ = folder_ + "/sights.csv";
    std::string text = "utc,body,limb,hs,ic,eye\n";
    while (text.size() + sizeof kRow < kLargestUserFileBytes) text += kRow;
    if (FILE* file = std::fopen(path_.c_str(), "wb")) {
      std::fwrite(text.data(), 1, text.size(), file);
      std::fclose(file);
    }
  }
  ~LogAtTheBound() {
    std::remove(path_.c_str());
    ::rmdir(folder_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string folder_, path_;
};

void SetPeakMemory(benchmark::State& state) {
  struct rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peakRssMB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ReadLogAtTheBound(benchmark::State& state) {
  const LogAtTheBound log;
  FileRead read;
  for (auto _ : state) {
    read = ReadBoundedFile(log.path(), FileKinds::RegularOnly);
    benchmark::DoNotOptimize(read.bytes.data());
  }
  if (read.outcome != FileReadOutcome::Read) state.SkipWithError(read.problem.c_str());
  SetPeakMemory(state);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * read.bytes.size()));
}
BENCHMARK(BM_ReadLogAtTheBound)->Unit(benchmark::kMillisecond);

void BM_RefuseEndlessStream(benchmark::State& state) {
  FileRead read;
  for (auto _ : state) {
    read = ReadBoundedFile("/dev/zero", FileKinds::StreamsToo);
    benchmark::DoNotOptimize(read.bytes.data());
  }
  if (read.outcome != FileReadOutcome::TooLarge) state.SkipWithError("an endless stream was not refused");
  SetPeakMemory(state);
}
BENCHMARK(BM_RefuseEndlessStream)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nocturna
