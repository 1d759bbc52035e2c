// The hot paths of the math core: a million matrix products and a million
// vector normalisations per iteration.
#include "math/Matrix4.h"
#include "math/MatrixStack.h"
#include "math/Vector3.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kCount = 1000000;

void MatrixMultiply(benchmark::State &state) {
  math::Matrix4 a, b;
  a.setEulerAngles(10, 20, 30);
  b.setTranslation(1, 2, 3);
  for (auto _ : state) {
    math::Matrix4 m;
    for (int i = 0; i < kCount; ++i) {
      m = m * a;
      benchmark::DoNotOptimize(m);
      m = b * m;
    }
    benchmark::DoNotOptimize(m);
  }
  state.SetItemsProcessed(state.iterations() * kCount * 2);
}
BENCHMARK(MatrixMultiply)->Unit(benchmark::kMillisecond);

void StackRotate(benchmark::State &state) {
  math::MatrixStack stack;
  for (auto _ : state) {
    stack.reset();
    stack.push();
    for (int i = 0; i < kCount; ++i)
      stack.rotate(math::Vector3(0, 1, 0), 0.5f);
    benchmark::DoNotOptimize(stack.top());
  }
  state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(StackRotate)->Unit(benchmark::kMillisecond);

template <bool fast> void Normalize(benchmark::State &state) {
  math::Vector3 *vectors = new math::Vector3[1024];
  for (int i = 0; i < 1024; ++i)
    vectors[i].set(float(i % 17) - 8.0f, float(i % 5) + 0.5f, float(i % 11) - 3.0f);
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i < kCount; ++i) {
      math::Vector3 v = vectors[i & 1023];
      if constexpr (fast)
        v.normalizeFast();
      else
        v.normalize();
      sum += v.x;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kCount);
  delete[] vectors;
}
BENCHMARK(Normalize<false>)->Name("Vector3Normalize")->Unit(benchmark::kMillisecond);
BENCHMARK(Normalize<true>)->Name("Vector3NormalizeFast")->Unit(benchmark::kMillisecond);

} // namespace
