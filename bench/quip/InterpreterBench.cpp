// Interpreter dispatch: the cost of one step on a stream of number pushes,
// stack builtins and name look-ups (globals and builtins through the
// dictionary stack), looping by a tail call so that nothing allocates; and
// of copying string values and making small records.

#include "quip/Parser.h"
#include "quip/ScriptManager.h"

#include <benchmark/benchmark.h>

namespace {

void runSteps(benchmark::State &state, const wchar_t *body) {
  quip::ScriptManager manager(Symbol::intern(L"bench"));
  manager.globals().set(Symbol::intern(L"x"), quip::Token(1.0f));
  manager.globals().set(Symbol::intern(L"loop"),
                        quip::Token(quip::translate(String(body), String(L"bench")), true));
  quip::Interpreter *interpreter =
      manager.spawn(quip::translate(String(L"loop"), String(L"bench")));
  const unsigned int slice = 10000;
  for (auto _ : state)
    benchmark::DoNotOptimize(interpreter->run(slice, 0));
  state.SetItemsProcessed(int64_t(state.iterations()) * slice);
}

// Pushes, builtins and look-ups mixed.
void BM_StepMixed(benchmark::State &state) {
  runSteps(state, L"1 2 swap pop x dup pop pop 3 x swap pop pop loop");
}
BENCHMARK(BM_StepMixed);

// Number pushes and a builtin only.
void BM_StepPush(benchmark::State &state) { runSteps(state, L"1 2 3 4 pop pop pop pop loop"); }
BENCHMARK(BM_StepPush);

// A global name pushed by look-up through three dictionaries.
void BM_StepLookup(benchmark::State &state) { runSteps(state, L"x x x x clearstack loop"); }
BENCHMARK(BM_StepLookup);

// String values copied and dropped: a copy shares the text.
void BM_StepStringCopy(benchmark::State &state) {
  runSteps(state, L"\"a line of some length\" dup dup pop pop pop loop");
}
BENCHMARK(BM_StepStringCopy);

// Records of three fields made and dropped: entries come from the pool.
void BM_StepSmallRecord(benchmark::State &state) {
  runSteps(state, L"( a: 1 b: x c: 3 ) pop loop");
}
BENCHMARK(BM_StepSmallRecord);

} // namespace
