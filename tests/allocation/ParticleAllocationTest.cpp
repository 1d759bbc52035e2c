// Emission, update and drawing of particle systems allocate nothing once
// the point-sprite buffers have grown: the global allocation functions are
// replaced for this test program (see IdleFrameAllocationTest.cpp).

#include "billboard/Billboard3D.h"
#include "particle/Emitter.h"
#include "particle/EmitterDefinition.h"
#include "particle/MoverAngular.h"
#include "particle/ParticleSystem.h"
#include "particle/ParticleSystemDefinition.h"
#include "particle/SpoutCircle.h"
#include "support/AllocationCount.h"
#include "support/NullCanvas.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ParticleAllocation, UpdatesAndDrawsAllocateNothing) {
  ParticleSystemDefinition definition;
  for (bool pointSprites : {false, true}) {
    auto *emitter = new EmitterDefinition;
    emitter->billboard = new Billboard3D;
    auto *circle = new SpoutCircle;
    circle->radiusMax = 10.0f;
    emitter->spout = circle;
    auto *mover = new MoverAngular;
    mover->rotation = 45.0f;
    emitter->mover = mover;
    emitter->randomInitialVelocity = 5.0f;
    emitter->angleVariance = 10.0f;
    emitter->scaleVariance = math::Vector2(0.5f, 0.5f);
    emitter->particlesPerCharge = 3;
    emitter->particleLifespan = 2.0f;
    emitter->pointSpritesEnabled = pointSprites;
    definition.emitters.push(emitter);
  }
  std::unique_ptr<ParticleSystem> system(definition.instantiate());
  testing_support::NullCanvas canvas;
  system->render(canvas);
  allocationCount = 0;
  for (int i = 0; i < 120; ++i) {
    allocationCounting = true;
    system->update(1 / 30.0f);
    system->render(canvas);
    allocationCounting = false;
  }
  EXPECT_EQ(system->emitter(0).liveCount(), Emitter::PoolSize);
  EXPECT_EQ(allocationCount, 0);
}
