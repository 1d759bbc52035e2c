// The benchmark program of libraries that run scripts: the language's
// builtins are installed before any benchmark makes a script manager.

#include "quip/builtins/BuiltinTable.h"

#include <benchmark/benchmark.h>

int main(int argc, char **argv) {
  quip::installBuiltins();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
