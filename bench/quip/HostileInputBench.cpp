// Crafted input against the language's limits: each must be refused or
// handled in time and memory proportional to its size.
//   NestedHeaderValueFile: a 405 KB value file of 1,000 nested array headers,
//     each count just under the bytes left; target under 50 ms and a peak
//     resident size (of a child process doing one read) under 64 MB.
//   CollidingTexts: a value file whose 65,535 texts share one chain of a
//     character-by-character hash over 10,007 buckets.
//   SortedKeys: sortSymbols of 65,536 keys.
//   TypeErrorOfHugeValue: five failing "+" on a 2M-element array, diagnostics
//     off.
//   ReplaceInManyArrays: "replace" over 100,000 sub-arrays.

#include "file/BufferBinary.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "quip/Serializer.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ValueFile {
  std::vector<unsigned char> bytes{0x21, 1, 2, 0};
  void u32(uint32_t v) {
    for (int i = 0; i < 4; ++i)
      bytes.push_back(uint8_t(v >> (8 * i)));
  }
  quip::Token read() const {
    file::BufferBinary buffer;
    buffer.receiveBytes(bytes.data(), uint32_t(bytes.size()));
    buffer.seek(0);
    return quip::Serializer::readBytes(buffer);
  }
};

ValueFile nestedHeaders() {
  ValueFile file;
  file.u32(0);
  const uint32_t size = 405 * 1024;
  for (int level = 0; level < 1000; ++level) {
    file.bytes.push_back('[');
    file.u32(size - uint32_t(file.bytes.size()) - 4 - 1000 * 5);
  }
  file.bytes.resize(size, 'e');
  return file;
}

// Peak resident megabytes of a child that runs f once.
template <typename F> double childPeakMegabytes(F &&f) {
  pid_t pid = fork();
  if (pid == 0) {
    f();
    _exit(0);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
    return -1;
  return double(usage.ru_maxrss) / 1024.0;
}

void NestedHeaderValueFile(benchmark::State &state) {
  ValueFile file = nestedHeaders();
  for (auto _ : state)
    benchmark::DoNotOptimize(file.read());
  state.counters["refused"] = file.read().isError() ? 1 : 0;
  state.counters["peak_MB"] = childPeakMegabytes([&] { benchmark::DoNotOptimize(file.read()); });
}
BENCHMARK(NestedHeaderValueFile)->Unit(benchmark::kMillisecond);

void CollidingTexts(benchmark::State &state) {
  const uint32_t n = 65535;
  ValueFile file;
  file.u32(n);
  const uint32_t p = 10007, a1 = 31415, a2 = (27183u * a1) % (p - 1);
  for (uint32_t i = 0; i < n; ++i) {
    uint32_t c1 = 0x100 + i;
    uint32_t c2 = (p - (a2 * (c1 % p)) % p) % p + p * (1 + i % 50);
    file.u32(8);
    file.u32(c1);
    file.u32(c2);
  }
  file.bytes.push_back('[');
  file.u32(n);
  for (uint32_t i = 0; i < n; ++i) {
    file.bytes.push_back('S');
    file.bytes.push_back(uint8_t(i));
    file.bytes.push_back(uint8_t(i >> 8));
  }
  for (auto _ : state)
    benchmark::DoNotOptimize(file.read());
}
BENCHMARK(CollidingTexts)->Unit(benchmark::kMillisecond);

void SortedKeys(benchmark::State &state) {
  container::Vector<Symbol> keys;
  for (uint32_t i = 0; i < 65536; ++i)
    keys.push(Symbol::intern(String::format(L"key%u", (i * 2654435761u) % 1000003u)));
  for (auto _ : state) {
    container::Vector<Symbol> sorted(keys);
    sortSymbols(sorted);
    benchmark::DoNotOptimize(sorted.data());
  }
}
BENCHMARK(SortedKeys)->Unit(benchmark::kMillisecond);

void runScript(quip::ScriptManager &manager, const wchar_t *text) {
  quip::Interpreter *interpreter =
      manager.spawn(quip::translate(String(text), String(L"bench")));
  interpreter->run(0, 0);
  manager.removeFinished();
}

void TypeErrorOfHugeValue(benchmark::State &state) {
  quip::ScriptManager manager(Symbol::intern(L"bench"));
  quip::Array big(2000000);
  for (uint32_t i = 0; i < big.count(); ++i)
    big.set(quip::Token(float(i)), i);
  manager.globals().set(Symbol::intern(L"big"), quip::Token(big, false));
  for (auto _ : state)
    runScript(manager, L"big 1 + big 1 + big 1 + big 1 + big 1 +");
}
BENCHMARK(TypeErrorOfHugeValue)->Unit(benchmark::kMillisecond);

void ReplaceInManyArrays(benchmark::State &state) {
  quip::ScriptManager manager(Symbol::intern(L"bench"));
  quip::Array many(100000);
  for (uint32_t i = 0; i < many.count(); ++i) {
    quip::Array one(1);
    one.set(quip::Token(1.0f), 0);
    many.set(quip::Token(one, false), i);
  }
  manager.globals().set(Symbol::intern(L"many"), quip::Token(many, false));
  for (auto _ : state)
    runScript(manager, L"many 1 1 replace pop");
}
BENCHMARK(ReplaceInManyArrays)->Unit(benchmark::kMillisecond);

} // namespace
