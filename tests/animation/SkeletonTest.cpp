// Skeletons and their nodes: posing, the render list, drawing and picking,
// the skeleton channel, and skeletons that show themselves.

#include "SkeletonTestSupport.h"

#include "animation/SkeletonEvent.h"
#include "animation/SkeletonEventChannel.h"
#include "billboard/Billboard2D.h"
#include "billboard/Billboard2DManager.h"
#include "support/NullCanvas.h"
#include "video/QuadBatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace skeletontest;
using animation::Node;
using animation::Skeleton;

namespace {

// Records the order nodes draw in, and the canvas's stacks as it drew.
struct Probe : video::Renderable {
  std::vector<std::string> &order;
  std::string name;
  uint32_t colors = 0;
  uint32_t matrices = 0;
  math::Matrix4 model;
  Probe(std::vector<std::string> &order, std::string name) : order(order), name(std::move(name)) {}
  void render(video::Canvas &canvas) override {
    order.push_back(name);
    colors = canvas.colorStackSize();
    matrices = canvas.currentMatrixStack().size();
    model = canvas.matrix(video::Canvas::MODEL);
  }
};

// A canvas whose matrix-changed flags can be cleared, to see whether
// anything touched the matrices.
struct WatchedCanvas : testing_support::NullCanvas {
  void settle() {
    for (uint8_t &changed : m_changed)
      changed = 0;
  }
};

const wchar_t *Hiding =
    L"(name: hiding: root: (name: top: children: ["
    L" (name: flat: animation: (initialScale: [0 1])"
    L"  billboardChannel: (billboard: (prototype: red:))"
    L"  children: [(name: under: billboardChannel: (billboard: (prototype: red:)))])"
    L" (name: beside: animation: (initialTranslation: [20 0])"
    L"  billboardChannel: (billboard: (prototype: blue:)))"
    L" (name: glass: animation: (initialTranslation: [40 0])"
    L"  billboardChannel: (billboard: (prototype: clear:)))]))";

const wchar_t *Tree = L"(name: tree: root: (name: r: children: ["
                      L" (name: a: children: [(name: a1:) (name: a2:)])"
                      L" (name: b: children: [(name: b1:)])]))";

std::vector<std::string> names(const Skeleton &skeleton) {
  std::vector<std::string> out;
  for (const Node *node : skeleton.renderList())
    out.push_back(nameOf(node));
  return out;
}

} // namespace

TEST_F(SkeletonWorld, AFlatNodeHidesItsSubtreeWhichIsNeverPicked) {
  auto skeleton = make(Hiding);
  skeleton->animate(0.0f);
  for (auto [name, hidden] : std::vector<std::pair<const wchar_t *, bool>>{
           {L"top", false}, {L"flat", true}, {L"under", true}, {L"beside", false}})
    EXPECT_EQ(skeleton->findNode(sym(name))->hidden(), hidden)
        << nameOf(skeleton->findNode(sym(name)));

  struct Case {
    math::Vector2 point;
    bool withFallback;
    const char *picked;
    float blue;
  };
  Billboard2D *fallback = database->billboard2DManager().billboard(sym(L"red"));
  const Case cases[] = {
      {{0, 0}, false, "(none)", 0},  // only hidden nodes show anything here
      {{20, 2}, false, "beside", 1}, // the blue billboard's texel
      {{40, 0}, false, "(none)", 0}, // a fully transparent texel is no hit
      {{0, 0}, true, "top", 0},      // the node without a billboard takes the fallback
      {{100, 0}, true, "(none)", 0}, // outside everything
  };
  for (const Case &c : cases) {
    math::Color texel(0.0f, 0.0f, 0.0f, 0.0f);
    Node *node = skeleton->pick(c.point, c.withFallback ? fallback : nullptr, texel);
    EXPECT_EQ(nameOf(node), c.picked) << c.point.x << "," << c.point.y;
    if (node) {
      EXPECT_EQ(texel.b, c.blue);
    }
  }
  math::Color texel;
  EXPECT_FALSE(skeleton->pickNode(sym(L"flat"), math::Vector2(0, 0), fallback, texel));
  EXPECT_TRUE(skeleton->pickNode(sym(L"beside"), math::Vector2(18, -3), nullptr, texel));
}

TEST_F(SkeletonWorld, WithoutARenderListEveryNodeDrawsDepthFirst) {
  auto skeleton = make(Tree);
  const std::vector<std::string> depthFirst = {"r", "a", "a1", "a2", "b", "b1"};
  EXPECT_EQ(names(*skeleton), depthFirst);

  // Drawn in list order.
  std::vector<std::string> order;
  std::vector<std::unique_ptr<Probe>> probes;
  for (Node *node : skeleton->renderList()) {
    probes.push_back(std::make_unique<Probe>(order, nameOf(node)));
    node->setOneShot(probes.back().get());
  }
  testing_support::NullCanvas canvas;
  skeleton->animate(0.0f);
  skeleton->render(canvas);
  EXPECT_EQ(order, depthFirst);
  // The one-shot renderables drew once.
  order.clear();
  skeleton->render(canvas);
  EXPECT_TRUE(order.empty());

  // A listed name of no node is skipped with a warning.
  testing::internal::CaptureStderr();
  skeleton->load(database, dictionary(L"(renderList: [b: nobody: a:])"));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(names(*skeleton), (std::vector<std::string>{"b", "a"}));
  EXPECT_NE(log.find("nobody"), std::string::npos) << log;

  // Loading a new tree drops the old list with the nodes it pointed at.
  skeleton->load(database, dictionary(L"(root: (name: only: children: []))"));
  EXPECT_EQ(names(*skeleton), (std::vector<std::string>{"only"}));
}

TEST_F(SkeletonWorld, ANodeWithoutContentPushesNothing) {
  auto skeleton = make(L"(root: (name: empty: animation: (initialTranslation: [5 6]"
                       L" initialColor: [1 0 0 1])))");
  skeleton->animate(0.0f);
  WatchedCanvas canvas;
  canvas.setColor(math::Color(0.5f, 0.5f, 0.5f, 1.0f));
  canvas.settle();
  skeleton->render(canvas);
  EXPECT_FALSE(canvas.matrixChanged(video::Canvas::MODEL));
  EXPECT_EQ(canvas.colorStackSize(), 0u);
  EXPECT_EQ(canvas.color().g, 0.5f);

  // With content, its colour and transform are pushed around it, and popped.
  std::vector<std::string> order;
  Probe probe(order, "probe");
  Node &node = skeleton->root();
  node.setOneShot(&probe);
  skeleton->render(canvas);
  EXPECT_EQ(probe.colors, 1u);
  EXPECT_EQ(probe.matrices, 2u);
  EXPECT_EQ(probe.model.transformPoint(math::Vector2(0, 0)).x, 5.0f);
  EXPECT_EQ(canvas.colorStackSize(), 0u);
  EXPECT_EQ(canvas.currentMatrixStack().size(), 1u);
}

TEST_F(SkeletonWorld, PosingComposesTranslationRotationAndScaleWithTheirInverse) {
  auto skeleton = make(L"(root: (name: body: animation: (initialTranslation: [10 0]"
                       L" initialRotation: 90 initialColor: [1 1 1 0.5])"
                       L" children: [(name: tip: animation: (initialTranslation: [4 0]"
                       L" initialScale: [2 0.5] initialColor: [0.5 1 1 1]))]))");
  skeleton->animate(0.0f);
  const Node *tip = skeleton->findNode(sym(L"tip"));
  // Turned clockwise by 90 degrees: the tip's x axis points down.
  math::Vector2 origin = tip->transform().transformPoint(math::Vector2(0, 0));
  EXPECT_NEAR(origin.x, 10.0f, 1e-5f);
  EXPECT_NEAR(origin.y, -4.0f, 1e-5f);
  math::Vector2 back = tip->inverseTransform().transformPoint(math::Vector2(13, -5));
  math::Vector2 forth = tip->transform().transformPoint(back);
  EXPECT_NEAR(forth.x, 13.0f, 1e-5f);
  EXPECT_NEAR(forth.y, -5.0f, 1e-5f);
  // Colours multiply down the tree.
  EXPECT_EQ(tip->color().r, 0.5f);
  EXPECT_EQ(tip->color().a, 0.5f);
}

TEST_F(SkeletonWorld, BoundsAndTotalTimeCoverWhatTheTracksShow) {
  auto skeleton = make(L"(root: (name: n: animation: (initialTranslation: [10 0]"
                       L" channels: (colorA: (frames: [(time: 0 value: 1) (time: 3 value: 0)])))"
                       L" billboardChannel: (billboard: (prototype: red:))"
                       L" eventChannel: (events: [(type: final: time: 5)])))");
  skeleton->animate(0.0f);
  math::Rectangle r = skeleton->root().bounds();
  EXPECT_EQ(r.x, 6.0f);
  EXPECT_EQ(r.y, -4.0f);
  EXPECT_EQ(r.width, 8.0f);
  EXPECT_EQ(r.height, 8.0f);
  EXPECT_EQ(skeleton->totalAnimationTime(), 5.0f);
}

TEST(SkeletonChannel, ALoopingChannelWrapsItsTime) {
  animation::SkeletonChannel channel;
  for (float time : {0.0f, 2.0f}) {
    auto *frame = new animation::SkeletonFrame;
    frame->time = time;
    channel.addFrame(frame);
  }
  struct Case {
    bool loop;
    float advance, time;
  };
  const Case cases[] = {{true, 5.0f, 1.0f}, {true, -0.5f, 1.5f}, {true, 2.0f, 2.0f},
                        {true, 0.0f, 0.0f}, {false, 5.0f, 5.0f}, {false, -0.5f, -0.5f}};
  for (const Case &c : cases) {
    channel.loop = c.loop;
    channel.advance(c.advance);
    EXPECT_FLOAT_EQ(channel.time(), c.time) << c.loop << " " << c.advance;
  }
}

TEST_F(SkeletonWorld, ARepeatedSkeletonWithContinueAgeRunsOn) {
  saveOwnFile(L"(name: inner: root: (name: dot: billboardChannel: (billboard: (prototype: red:))))",
              "inner");
  auto outer = make(L"(root: (name: holder: skeletonChannel: (frames: ["
                    L" (skeleton: inner:) (time: 1 skeleton: inner: continueAge: true:)"
                    L" (time: 3 skeleton: inner: skeletonAge: 7)"
                    L" (time: 4 skeleton: inner: continueAge: true:)])))");
  animation::SkeletonChannel &channel = outer->root().skeletonChannel;
  ASSERT_EQ(channel.frameCount(), 4u);
  EXPECT_EQ(channel.frame(1).skeletonAge, 1.0f);
  // A frame without continueAge sets its own age; the next one runs on from it.
  EXPECT_EQ(channel.frame(2).skeletonAge, 7.0f);
  EXPECT_EQ(channel.frame(3).skeletonAge, 8.0f);

  outer->animate(1.5f);
  float age = 0.0f;
  animation::Skeleton *shown = channel.current(age);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown, store().skeleton(sym(L"inner")));
  EXPECT_FALSE(shown->placeholder);
  EXPECT_FLOAT_EQ(age, 1.5f);

  // Removing a frame runs the pass again.
  channel.removeFrame(2);
  EXPECT_EQ(channel.frame(2).skeletonAge, 4.0f);
}

TEST_F(SkeletonWorld, AChannelStartingLateGetsAnEmptyFrameFirst) {
  testing::internal::CaptureStderr();
  auto skeleton = make(L"(root: (skeletonChannel: (frames: [(time: 0.5 skeleton: inner:)])))");
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("WARNING - Inserting empty skeleton frame at time zero.\n"),
            std::string::npos);
  animation::SkeletonChannel &channel = skeleton->root().skeletonChannel;
  ASSERT_EQ(channel.frameCount(), 2u);
  channel.advance(0.2f);
  EXPECT_EQ(channel.current(), nullptr);
}

TEST_F(SkeletonWorld, SkeletonsThatShowThemselvesAreSkippedOnTheirOwnPath) {
  const wchar_t *selfish = L"(name: selfish: root: (name: n:"
                           L" billboardChannel: (billboard: (prototype: red:))"
                           L" skeletonChannel: (frames: [(skeleton: selfish:)])))";
  const wchar_t *ping = L"(name: ping: root: (name: n:"
                        L" billboardChannel: (billboard: (prototype: red:))"
                        L" skeletonChannel: (frames: [(skeleton: pong:)])))";
  const wchar_t *pong = L"(name: pong: root: (name: n: animation: (initialTranslation: [100 0])"
                        L" billboardChannel: (billboard: (prototype: red:))"
                        L" skeletonChannel: (frames: [(skeleton: ping:)])))";
  saveOwnFile(selfish, "selfish");
  saveOwnFile(ping, "ping");
  saveOwnFile(pong, "pong");

  struct Case {
    const wchar_t *name;
    int billboards;
  };
  for (const Case &c : {Case{L"selfish", 1}, Case{L"ping", 2}}) {
    Skeleton *skeleton = store().skeleton(sym(c.name));
    testing_support::NullCanvas canvas;
    skeleton->animate(0.0f);
    skeleton->render(canvas);
    uint32_t perBillboard = 0;
    {
      testing_support::NullCanvas one;
      database->billboard2DManager().billboard(sym(L"red"))->render(one);
      perBillboard = one.quadBatch().vertexCount();
    }
    EXPECT_EQ(canvas.quadBatch().vertexCount(), c.billboards * perBillboard);
    skeleton->touch(database);
    math::Color texel;
    // Nothing under the point: the pick walks the cycle once and gives up.
    EXPECT_EQ(skeleton->pick(math::Vector2(50, 50), nullptr, texel), nullptr);
    EXPECT_FALSE(skeleton->busy());
  }
  // Through the other skeleton the point on pong's billboard is found.
  Skeleton *pingSkeleton = store().skeleton(sym(L"ping"));
  math::Color texel;
  pingSkeleton->animate(0.0f);
  EXPECT_EQ(nameOf(pingSkeleton->pick(math::Vector2(100, 0), nullptr, texel)), "n");
  EXPECT_EQ(texel.r, 1.0f);
}

TEST_F(SkeletonWorld, EventsAreGatheredAtTheirNodesPositions) {
  auto skeleton = make(L"(root: (name: r: children: ["
                       L" (name: near: eventChannel: (events: [(type: generic: key: here:)]))"
                       L" (name: far: animation: (initialTranslation: [30 40])"
                       L"  eventChannel: (events: [(type: sound: time: 0.5 sound: beep:)"
                       L"   (type: generic: time: 0.5 key: there:)]))]))");
  skeleton->animate(0.0f);
  animation::CollectedEvents events;
  skeleton->collectEvents(0.0f, 1.0f, events);
  ASSERT_EQ(events.generic.size(), 2u);
  ASSERT_EQ(events.sounds.size(), 1u);
  EXPECT_EQ(events.generic[0]->key, sym(L"here"));
  EXPECT_EQ(events.generic[0]->position.x, 0.0f);
  EXPECT_EQ(events.generic[1]->position.x, 30.0f);
  EXPECT_EQ(events.sounds[0]->position.y, 40.0f);
  EXPECT_EQ(events.sounds[0]->sound, sym(L"beep"));
}

TEST_F(SkeletonWorld, TouchingLoadsWhatTheEventsNameAndReportsWhatIsMissing) {
  auto skeleton = make(L"(root: (name: r: eventChannel: (events: ["
                       L" (type: sound: sound: notInTheLibrary:)"
                       L" (type: particleSystem: system: noSuchSystem:)"
                       L" (type: particleSystem: system: noSuchSystem: time: 1)])))");
  testing::internal::CaptureStderr();
  skeleton->touch(database);
  std::string log = testing::internal::GetCapturedStderr();
  // The factory reports a name it does not hold once; the library's missing
  // sound is left alone.
  EXPECT_EQ(log, "ParticleSystem noSuchSystem not found in database framework.  Using "
                 "placeholder.\n");
}
