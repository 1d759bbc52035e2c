// Animation channels and splines: the per-frame costs of animated values and
// of moving things along curves.
#include "math/CatmullRomSpline2D.h"
#include "math/Channel.h"
#include "math/FinalFrame.h"
#include "math/FixedFrame.h"
#include "math/ValueFrame.h"
#include "quip/Token.h"

#include <benchmark/benchmark.h>

namespace {

// 10^5 evaluations of a 20-frame looping channel spread over its length.
void ChannelEvaluate(benchmark::State &state) {
  math::Channel channel;
  channel.setLoop(true);
  for (int i = 0; i < 19; ++i)
    channel.addFrame(i % 2 ? static_cast<math::Frame *>(new math::FixedFrame(
                                 float(i), math::TWEEN_EASE_IN_OUT, float(i * 3 % 7)))
                           : new math::ValueFrame(float(i), math::TWEEN_LINEAR, 0.5f, true));
  channel.addFrame(new math::FinalFrame(19));
  const int n = 100000;
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i < n; ++i)
      sum += channel.evaluate(1.0f, float(i) * 0.00041f);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(ChannelEvaluate)->Unit(benchmark::kMillisecond);

// 10^6 points by distance along a 20-point Catmull-Rom curve.
void SplinePointAtDistance(benchmark::State &state) {
  quip::Array *points = new quip::Array(20);
  for (unsigned i = 0; i < 20; ++i)
    points->set(math::Vector2(float(i), float(i % 3)).toToken(), i);
  quip::Dictionary dict;
  dict.set(SYM(L"points"), quip::Token(points, false));
  math::CatmullRomSpline2D spline;
  spline.load(dict);
  const float length = spline.length();
  const int n = 1000000;
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i < n; ++i)
      sum += spline.pointAtDistance(length * float(i) / float(n)).y;
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(SplinePointAtDistance)->Unit(benchmark::kMillisecond);

} // namespace
