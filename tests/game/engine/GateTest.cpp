// Gates: the four-state cycle and where a phase starts it, the beam against
// the ball's swept path with the hazard rule, the records, and the posts
// and wall as drawn.

#include "BlockWorld.h"

#include "engine/Gate.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "support/NullCanvas.h"
#include "video/QuadBatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using blocktest::BlockWorld;

namespace {

constexpr float frame = 1.0f / 30.0f;

// The highest point of the quads drawn; -1 without any.
class HeightCanvas : public testing_support::NullCanvas {
public:
  float top = -1.0f;
  void drawQuadBatch(video::QuadBatch &batch) override {
    if (batch.twoD())
      return;
    for (uint32_t v = 0; v < batch.vertexCount(); ++v)
      top = std::max(top, batch.positions()[3 * v + 2]);
  }
  void flush() override { quadBatch().flush(*this); }
};

class GateTest : public BlockWorld {
protected:
  Gate *addGate(float x0, float y0, float x1, float y1, float phase = 0.0f) {
    auto *gate = new Gate(*level);
    gate->setEnds(math::Vector3(x0, y0, 0.0f), math::Vector3(x1, y1, 0.0f));
    gate->setPhase(phase);
    gate->startAtPhase();
    level->addGate(gate);
    return gate;
  }
  // The ball's last step went from one point to the other.
  void ballStep(float x0, float y0, float x1, float y1) {
    ball().setState(Ball::PLAYING);
    ball().atom().previousPosition = math::Vector3(x0, y0, 0.0f);
    ball().atom().position = math::Vector3(x1, y1, 0.0f);
  }
  static void writeRecord(file::BufferBinary &out, const float (&values)[9]) {
    for (float v : values)
      file::write(v, out);
    out.seek(0);
  }
};

} // namespace

TEST_F(GateTest, TheDefaultCycleRunsOffWarmingOnCoolingInFourPointOneSeconds) {
  Gate *gate = addGate(-6.0f, 0.0f, 6.0f, 0.0f);
  const struct {
    float seconds;
    uint32_t state;
  } steps[] = {{2.0f, Gate::OFF},     {0.01f, Gate::WARMING}, {1.0f, Gate::WARMING},
               {0.01f, Gate::ON},     {1.0f, Gate::ON},       {0.01f, Gate::COOLING},
               {0.1f, Gate::COOLING}, {0.01f, Gate::OFF}};
  float total = 0.0f;
  for (const auto &step : steps) {
    gate->update(step.seconds);
    total += step.seconds;
    EXPECT_EQ(gate->state(), step.state) << "after " << total << " s";
  }
  // 4.1 s of states, and a hundredth past each end.
  EXPECT_NEAR(total, 4.14f, 1e-4f);
}

TEST_F(GateTest, APhaseStartsTheGateThatFarIntoItsCycle) {
  const struct {
    float phase;
    uint32_t state;
    float time;
  } cases[] = {
      {0.0f, Gate::OFF, 0.0f},     {1.5f, Gate::OFF, 1.5f},     {2.0f, Gate::WARMING, 0.0f},
      {2.5f, Gate::WARMING, 0.5f}, {3.5f, Gate::ON, 0.5f},      {4.05f, Gate::COOLING, 0.05f},
      {4.1f, Gate::OFF, 0.0f},     {6.6f, Gate::WARMING, 0.5f}, {-1.0f, Gate::OFF, 0.0f}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.phase);
    Gate *gate = addGate(0.0f, 0.0f, 6.0f, 0.0f, c.phase);
    EXPECT_EQ(gate->state(), c.state);
    EXPECT_NEAR(gate->stateTime(), c.time, 1e-4f);
  }
}

TEST_F(GateTest, ACycleWithoutLengthStandsOffInsteadOfWalkingForever) {
  Gate *gate = addGate(0.0f, 0.0f, 6.0f, 0.0f);
  for (uint32_t s = 0; s < Gate::stateCount; ++s)
    gate->setDuration(s, 0.0f);
  gate->setPhase(3.0f);
  gate->startAtPhase();
  EXPECT_EQ(gate->state(), uint32_t(Gate::OFF));
  // One state a frame, never stuck.
  gate->update(frame);
  EXPECT_EQ(gate->state(), uint32_t(Gate::WARMING));

  // A state of no length is passed over by the phase.
  gate->setDuration(Gate::WARMING, 1.0f);
  gate->setPhase(2.5f);
  gate->startAtPhase();
  EXPECT_EQ(gate->state(), uint32_t(Gate::WARMING));
  EXPECT_NEAR(gate->stateTime(), 0.5f, 1e-5f);
}

TEST_F(GateTest, AShieldedBallCrossingTheBeamLosesItsShieldAndLivesAndTheWallStaysLitUntilOff) {
  ASSERT_TRUE(soundOpen);
  Gate *gate = addGate(-6.0f, 0.0f, 6.0f, 0.0f, 3.0f);
  ASSERT_EQ(gate->state(), uint32_t(Gate::ON));
  ball().setPower(Ball::BOMB);
  ASSERT_TRUE(ball().hasShield());
  ballStep(0.0f, -2.0f, 0.0f, 2.0f);
  gate->update(frame);
  EXPECT_FALSE(ball().hasShield());
  EXPECT_EQ(ball().state(), uint32_t(Ball::PLAYING));
  EXPECT_GT(ball().invulnerableTime(), 0.0f);
  EXPECT_TRUE(gate->hitBall());
  EXPECT_TRUE(played(L"laser"));

  // The ball keeps crossing while invulnerable: it is spared.
  gate->update(frame);
  EXPECT_EQ(ball().state(), uint32_t(Ball::PLAYING));

  ballStep(20.0f, 20.0f, 20.0f, 20.0f);
  gate->update(1.0f);
  EXPECT_EQ(gate->state(), uint32_t(Gate::COOLING));
  EXPECT_TRUE(gate->hitBall());
  gate->update(0.2f);
  EXPECT_EQ(gate->state(), uint32_t(Gate::OFF));
  EXPECT_FALSE(gate->hitBall());
}

TEST_F(GateTest, TheBeamHarmsOnlyWhileOnAndOnlyABallWhosePathMeetsIt) {
  const struct {
    float phase;
    float x0, y0, x1, y1;
    bool dies;
  } cases[] = {
      {3.0f, 0.0f, -2.0f, 0.0f, 2.0f, true},   // crossing while on
      {3.0f, 0.0f, -3.0f, 0.0f, -1.0f, true},  // within a radius of it
      {3.0f, 0.0f, -4.0f, 0.0f, -2.0f, false}, // short of it
      {3.0f, 8.0f, -2.0f, 8.0f, 2.0f, false},  // past its end
      {0.5f, 0.0f, -2.0f, 0.0f, 2.0f, false},  // off
      {2.5f, 0.0f, -2.0f, 0.0f, 2.0f, false},  // warming
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.phase << " " << c.x0 << "," << c.y0);
    ball().setState(Ball::WAITING);
    Gate *gate = addGate(-6.0f, 0.0f, 6.0f, 0.0f, c.phase);
    ballStep(c.x0, c.y0, c.x1, c.y1);
    gate->update(frame);
    EXPECT_EQ(ball().state() == Ball::DYING, c.dies);
    EXPECT_EQ(gate->hitBall(), c.dies);
    delete level->gates().pop();
  }
}

TEST_F(GateTest, TheBeamSparesABallThatIsNotPlayingOrAnEngineThatIsNot) {
  Gate *gate = addGate(-6.0f, 0.0f, 6.0f, 0.0f, 3.0f);
  ballStep(0.0f, -2.0f, 0.0f, 2.0f);
  engine->setState(Engine::COMPLETE);
  gate->update(frame);
  EXPECT_EQ(ball().state(), uint32_t(Ball::PLAYING));
  EXPECT_FALSE(gate->hitBall());
  engine->setState(Engine::PLAYING);
  ball().setState(Ball::TELEPORTING);
  gate->update(frame);
  EXPECT_EQ(ball().state(), uint32_t(Ball::TELEPORTING));
}

TEST_F(GateTest, TheRecordsRoundTripAndHostileOnesAreRefused) {
  Gate *gate = addGate(-3.0f, 6.0f, 9.0f, 6.0f, 2.5f);
  gate->setDuration(Gate::ON, 1.5f);
  gate->update(0.25f);
  file::BufferBinary file, state;
  gate->writeLevelRecord(file);
  gate->write(state);
  EXPECT_EQ(file.size(), 36u);
  EXPECT_EQ(state.size(), 41u);

  Gate fromFile(*level), restored(*level);
  file.seek(0);
  state.seek(0);
  ASSERT_TRUE(fromFile.readLevelRecord(file));
  ASSERT_TRUE(restored.read(state));
  // The file's gate starts at its phase; the saved one where it was.
  EXPECT_EQ(fromFile.state(), uint32_t(Gate::WARMING));
  EXPECT_NEAR(fromFile.stateTime(), 0.5f, 1e-5f);
  EXPECT_EQ(restored.state(), uint32_t(Gate::WARMING));
  EXPECT_NEAR(restored.stateTime(), 0.75f, 1e-5f);
  for (const Gate *g : {&fromFile, &restored}) {
    EXPECT_FLOAT_EQ(g->from().x, -3.0f);
    EXPECT_FLOAT_EQ(g->to().x, 9.0f);
    EXPECT_FLOAT_EQ(g->to().y, 6.0f);
    EXPECT_FLOAT_EQ(g->phase(), 2.5f);
    EXPECT_FLOAT_EQ(g->duration(Gate::ON), 1.5f);
  }

  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float hostile[][9] = {
      {0, 0, 6, 0, 1.0f, 2.0f, -1.0f, 1.0f, 0.1f}, // a negative duration
      {0, 0, 6, 0, 1.0f, 2.0f, 1.0f, inf, 0.1f},   // an endless one
      {0, 0, 6, 0, 1.0f, nan, 1.0f, 1.0f, 0.1f},   // not a number
      {0, 0, 6, 0, inf, 2.0f, 1.0f, 1.0f, 0.1f},   // an endless phase
  };
  for (const auto &values : hostile) {
    file::BufferBinary bytes;
    writeRecord(bytes, values);
    Gate refused(*level);
    EXPECT_FALSE(refused.readLevelRecord(bytes));
    EXPECT_FLOAT_EQ(refused.duration(Gate::OFF), 2.0f);
    EXPECT_FLOAT_EQ(refused.to().x, 0.0f);
  }
  // A saved state past the cycle, and a time that is not a number, start
  // the gate off.
  file::BufferBinary odd;
  file::write(uint8_t(Gate::NONE), odd);
  file::write(nan, odd);
  file::BufferBinary rest;
  gate->writeLevelRecord(rest);
  odd.receiveBytes(rest.data(), rest.size());
  odd.seek(0);
  Gate reset(*level);
  ASSERT_TRUE(reset.read(odd));
  EXPECT_EQ(reset.state(), uint32_t(Gate::OFF));
  EXPECT_EQ(reset.stateTime(), 0.0f);

  file::BufferBinary cut;
  cut.receiveBytes(state.data(), state.size() - 1);
  cut.seek(0);
  Gate untouched(*level);
  EXPECT_FALSE(untouched.read(cut));
  EXPECT_EQ(untouched.state(), uint32_t(Gate::OFF));
}

TEST_F(GateTest, ThePostsRunAlongTheGateAndAlongXWhenItsEndsCoincide) {
  const struct {
    float x1, y1;
    math::Vector2 along;
  } cases[] = {{0.0f, 9.0f, math::Vector2(0.0f, 1.0f)}, {0.0f, 0.0f, math::Vector2(1.0f, 0.0f)}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.y1);
    Gate gate(*level);
    gate.setEnds(math::Vector3(), math::Vector3(c.x1, c.y1, 0.0f));
    testing_support::RecordingCanvas canvas;
    gate.render(canvas);
    ASSERT_EQ(canvas.meshes.size(), 1u);
    EXPECT_FALSE(gate.meshDirty());
    const mesh::MeshDefinition &d = *canvas.meshes[0].mesh->definition;
    // Pairs stand 1.5 apart across the gate; the pairs follow it.
    for (uint32_t pair = 0; pair < 4; ++pair) {
      const math::Vector2 a = d.position2D(2 * pair), b = d.position2D(2 * pair + 1);
      EXPECT_NEAR((a - b).length(), 1.5f, 1e-5f);
      EXPECT_NEAR((a - b).dot(c.along), 0.0f, 1e-5f);
    }
    EXPECT_NEAR((d.position2D(2) + d.position2D(3)).dot(c.along) * 0.5f, 0.0f, 1e-5f);
    EXPECT_NEAR((d.position2D(4) + d.position2D(5)).dot(c.along) * 0.5f,
                math::Vector2(c.x1, c.y1).length(), 1e-5f);
    // Off, the posts are grey.
    EXPECT_FLOAT_EQ(canvas.meshes[0].colorTop.r, 0.5f);
  }
}

TEST_F(GateTest, TheWallStandsTwentyHighWhileOnAndSinksAsItCools) {
  Gate *gate = addGate(-6.0f, 0.0f, 6.0f, 0.0f, 0.5f);
  const auto wallTop = [&]() {
    HeightCanvas canvas;
    gate->renderBarrier(canvas);
    canvas.flush();
    return canvas.top;
  };
  EXPECT_LT(wallTop(), 0.0f);
  gate->setState(Gate::ON);
  EXPECT_FLOAT_EQ(wallTop(), 20.0f);
  gate->setState(Gate::COOLING);
  gate->update(0.05f);
  EXPECT_NEAR(wallTop(), 10.0f, 1e-3f);
  EXPECT_NEAR(gate->glow(), 0.5f, 1e-5f);
}
