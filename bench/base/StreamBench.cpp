// Reading 10 MB of floats, one typed read per value, from memory and from a file.

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/FileWrapper.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const uint32_t FloatCount = 10 * 1024 * 1024 / 4;

// The float file, written once per run.
const String &floatFile() {
  static String path = [] {
    std::string name = "/tmp/corvane-stream-bench-" + std::to_string(getpid()) + ".bin";
    file::BufferBinary out;
    out.reserve(FloatCount * 4);
    for (uint32_t i = 0; i < FloatCount; ++i)
      file::write(float(i) * 0.5f, out);
    out.save(String(name.c_str()));
    static struct Remove {
      std::string name;
      ~Remove() { unlink(name.c_str()); }
    } remover{name};
    return String(name.c_str());
  }();
  return path;
}

float readAll(file::ByteProducer &in) {
  float sum = 0, value;
  for (uint32_t i = 0; i < FloatCount; ++i) {
    file::read(value, in);
    sum += value;
  }
  return sum;
}

void BufferBinaryFromMemory(benchmark::State &state) {
  file::BufferBinary buffer;
  if (!buffer.open(floatFile()))
    state.SkipWithError("no float file");
  for (auto _ : state) {
    buffer.seek(0);
    benchmark::DoNotOptimize(readAll(buffer));
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * FloatCount * 4);
}
BENCHMARK(BufferBinaryFromMemory)->Unit(benchmark::kMillisecond);

void BufferBinaryOpenAndRead(benchmark::State &state) {
  for (auto _ : state) {
    file::BufferBinary buffer;
    if (!buffer.open(floatFile()))
      state.SkipWithError("no float file");
    benchmark::DoNotOptimize(readAll(buffer));
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * FloatCount * 4);
}
BENCHMARK(BufferBinaryOpenAndRead)->Unit(benchmark::kMillisecond);

void FileWrapperRead(benchmark::State &state) {
  for (auto _ : state) {
    file::FileWrapper in(floatFile(), L"rb", true);
    benchmark::DoNotOptimize(readAll(in));
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * FloatCount * 4);
}
BENCHMARK(FileWrapperRead)->Unit(benchmark::kMillisecond);

} // namespace
