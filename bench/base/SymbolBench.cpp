// Symbol interning and hash-table look-up, per operation.
#include "container/HashTable.h"
#include "xstring/Symbol.h"

#include <benchmark/benchmark.h>

namespace {

container::Vector<String> makeNames(int n) {
  container::Vector<String> names;
  for (int i = 0; i < n; ++i)
    names.push(String::format(L"name%d", i));
  return names;
}

void InternExisting(benchmark::State &state) {
  auto names = makeNames(int(state.range(0)));
  for (const String &s : names)
    Symbol::intern(s);
  uint32_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Symbol::intern(names[i]));
    if (++i == names.size())
      i = 0;
  }
}
BENCHMARK(InternExisting)->Arg(10)->Arg(1000)->Arg(100000);

void TableLookup(benchmark::State &state) {
  auto names = makeNames(int(state.range(0)));
  container::HashTable<Symbol, int> table;
  container::Vector<Symbol> keys;
  for (uint32_t k = 0; k < names.size(); ++k) {
    keys.push(Symbol::intern(names[k]));
    table.put(keys.last(), int(k));
  }
  uint32_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table.lookup(keys[i]));
    if (++i == keys.size())
      i = 0;
  }
}
BENCHMARK(TableLookup)->Arg(10)->Arg(1000)->Arg(100000);

} // namespace
