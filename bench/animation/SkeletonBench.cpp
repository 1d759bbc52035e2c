// Skeletons of 50 nodes, each turning and tinted with a textured billboard:
// posing alone, and a frame (posing, then drawing through the canvas in the
// headless OpenGL ES context); and one shared skeleton posed and drawn by 20
// users per frame, each at its own age and place. The counters split a frame
// into posing (animate_us), the engine's drawing up to the last batch handed
// to the GL (render_us) and the wait for the rasteriser (finish_us), and
// count the heap allocations per frame, which must be none.

#include "support/AllocationCount.h"
#include "support/HeadlessCanvas.h"

#include "animation/Skeleton.h"
#include "billboard/Billboard2D.h"
#include "math/Channel.h"
#include "math/FixedFrame.h"
#include "texture/TextureSimple.h"

#include <GLES/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

math::Channel *turning(float degrees) {
  auto *channel = new math::Channel;
  channel->addFrame(new math::FixedFrame(0.0f, math::TWEEN_LINEAR, 0.0f));
  channel->addFrame(new math::FixedFrame(2.0f, math::TWEEN_LINEAR, degrees));
  channel->setLoop(true);
  return channel;
}

// A root with seven arms of seven nodes each: 50 nodes, every one turning,
// tinted and showing a 12-pixel billboard of a white texture.
struct Scene {
  TextureSimple *texture = nullptr;
  animation::Skeleton skeleton;

  Scene() {
    testing_support::headlessCanvas();
    texture = testing_support::whiteTexture(L"benchSkeleton");
    dress(skeleton.root(), 0.0f);
    for (int arm = 0; arm < 7; ++arm) {
      animation::Node *parent = &skeleton.root();
      for (int i = 0; i < 7; ++i) {
        auto *node = new animation::Node;
        dress(*node, i == 0 ? arm * 360.0f / 7 : 8.0f);
        parent->addChild(node);
        parent = node;
      }
    }
    skeleton.fillRenderList();
  }

  void dress(animation::Node &node, float turn) {
    node.animation.setInitialTranslation(math::Vector2(turn == 0.0f ? 0.0f : 14.0f, 0.0f));
    node.animation.setInitialRotation(turn);
    node.animation.setChannel(animation::AnimationDefinition::ROTATION, turning(40.0f));
    node.animation.setInitialColor(math::Color(1.0f, 0.95f, 0.9f, 1.0f));
    auto *billboard = new Billboard2D(texture);
    billboard->size = math::Vector2(12.0f, 12.0f);
    node.billboardChannel.appendFrame(new BillboardFrame(0.0f, billboard));
  }
};

Scene &scene() {
  static Scene *s = new Scene;
  return *s;
}

double seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

void BM_SkeletonAnimate(benchmark::State &state) {
  Scene &s = scene();
  float age = 0.0f;
  s.skeleton.animate(age);
  allocationCount = 0;
  for (auto _ : state) {
    allocationCounting = true;
    s.skeleton.animate(age += 1.0f / 30.0f);
    allocationCounting = false;
  }
  state.counters["nodes"] = double(s.skeleton.renderList().size());
  state.counters["allocations_per_frame"] = double(allocationCount) / double(state.iterations());
}
BENCHMARK(BM_SkeletonAnimate)->Unit(benchmark::kMicrosecond);

// Each of the users poses the skeleton at its own age and draws it at its
// own place, as the users of a shared skeleton do every frame.
void frames(benchmark::State &state) {
  Scene &s = scene();
  const int users = int(state.range(0));
  video::Canvas &canvas = testing_support::headlessCanvas();
  double animate = 0, render = 0, finish = 0;
  float age = 0.0f;
  auto frame = [&](bool timed) {
    Clock::time_point start = Clock::now();
    canvas.beginFrame();
    canvas.resetMatrices();
    canvas.setScreenProjection(320.0f, 480.0f);
    canvas.clear(video::Canvas::CLEAR_COLOR);
    double posing = 0;
    for (int user = 0; user < users; ++user) {
      Clock::time_point before = Clock::now();
      s.skeleton.animate(age + user * 0.1f);
      posing += seconds(before, Clock::now());
      canvas.pushMatrix();
      canvas.translate(40.0f + (user % 4) * 80.0f, 60.0f + (user / 4) * 90.0f);
      s.skeleton.render(canvas);
      canvas.popMatrix();
    }
    canvas.flush();
    Clock::time_point drawn = Clock::now();
    glFinish();
    canvas.endFrame();
    if (timed) {
      animate += posing;
      render += seconds(start, drawn) - posing;
      finish += seconds(drawn, Clock::now());
    }
    age += 1.0f / 30.0f;
  };
  // One frame first: the texture's upload and the buffers' first growth.
  frame(false);
  allocationCount = 0;
  for (auto _ : state) {
    allocationCounting = true;
    frame(true);
    allocationCounting = false;
  }
  double n = double(state.iterations());
  state.counters["animate_us"] = animate / n * 1e6;
  state.counters["render_us"] = render / n * 1e6;
  state.counters["finish_us"] = finish / n * 1e6;
  state.counters["allocations_per_frame"] = double(allocationCount) / n;
}

// One skeleton of 50 nodes, posed and drawn once a frame.
void BM_SkeletonFrame(benchmark::State &state) { frames(state); }
BENCHMARK(BM_SkeletonFrame)->Arg(1)->Unit(benchmark::kMicrosecond);

// One shared skeleton posed and drawn by 20 users a frame.
void BM_SharedSkeletonFrame(benchmark::State &state) { frames(state); }
BENCHMARK(BM_SharedSkeletonFrame)->Arg(20)->Unit(benchmark::kMicrosecond);

} // namespace
