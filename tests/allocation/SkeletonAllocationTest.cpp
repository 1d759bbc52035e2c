// Posing and drawing a skeleton, and updating and drawing a drop, allocate
// nothing once the posing stacks have grown: the global allocation
// functions are replaced for this test program (see
// IdleFrameAllocationTest.cpp).

#include "animation/Skeleton.h"
#include "billboard/Billboard2D.h"
#include "math/Channel.h"
#include "math/FixedFrame.h"
#include "particle/Drop.h"
#include "particle/DropDefinition.h"
#include "particle/OscillatorDefinition.h"
#include "support/AllocationCount.h"
#include "support/NullCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

math::Channel *ramp(float to) {
  auto *channel = new math::Channel;
  channel->addFrame(new math::FixedFrame(0.0f, math::TWEEN_LINEAR, 0.0f));
  channel->addFrame(new math::FixedFrame(2.0f, math::TWEEN_LINEAR, to));
  channel->setLoop(true);
  return channel;
}

// A chain of turning, tinted nodes, each switching between two billboards.
void grow(animation::Node &node, int depth) {
  node.animation.setChannel(animation::AnimationDefinition::ROTATION, ramp(360.0f));
  node.animation.setInitialTranslation(math::Vector2(10.0f, 0.0f));
  node.animation.setInitialColor(math::Color(1.0f, 0.9f, 0.9f, 1.0f));
  node.billboardChannel.loop = true;
  node.billboardChannel.appendFrame(new BillboardFrame(0.0f, new Billboard2D));
  node.billboardChannel.appendFrame(new BillboardFrame(0.5f, new Billboard2D));
  node.billboardChannel.appendFrame(new BillboardFrame(1.0f, nullptr));
  if (depth > 0) {
    auto *child = new animation::Node;
    grow(*child, depth - 1);
    node.addChild(child);
  }
}

} // namespace

TEST(SkeletonAllocation, PosingAndDrawingAllocateNothing) {
  animation::Skeleton skeleton;
  grow(skeleton.root(), 12);
  skeleton.fillRenderList();
  testing_support::NullCanvas canvas;
  skeleton.animate(0.0f);
  skeleton.render(canvas);

  DropDefinition definition;
  definition.lifespan = -1.0f;
  definition.setBillboard(new Billboard2D);
  auto *animation = new animation::AnimationDefinition;
  animation->setChannel(animation::AnimationDefinition::TRANSLATION_Y, ramp(60.0f));
  definition.setAnimation(animation);
  definition.addOscillator(new OscillatorDefinition);
  definition.skeleton = &skeleton;
  std::unique_ptr<Drop> drop(definition.instantiate(math::Vector2(100.0f, 100.0f)));
  drop->target = math::Vector2(200.0f, 100.0f);
  drop->update(0.0f);
  drop->render(canvas);

  allocationCount = 0;
  for (int i = 0; i < 120; ++i) {
    allocationCounting = true;
    skeleton.animate(i / 30.0f);
    skeleton.render(canvas);
    drop->update(1 / 30.0f);
    drop->render(canvas);
    allocationCounting = false;
  }
  EXPECT_EQ(allocationCount, 0);
}
