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

#include "quip/CraftedValueFiles.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "quip/Serializer.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using quiptest::ValueBytes;

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
  ValueBytes file = quiptest::nestedHeaders();
  for (auto _ : state)
    benchmark::DoNotOptimize(file.read());
  state.counters["refused"] = file.read().isError() ? 1 : 0;
  state.counters["peak_MB"] = childPeakMegabytes([&] { benchmark::DoNotOptimize(file.read()); });
}
BENCHMARK(NestedHeaderValueFile)->Unit(benchmark::kMillisecond);

void CollidingTexts(benchmark::State &state) {
  const ValueBytes file = quiptest::collidingTexts(65535);
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
  quip::Interpreter *interpreter = manager.spawn(quip::translate(String(text), String(L"bench")));
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
