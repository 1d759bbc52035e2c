// Secret areas: revealed once the ball comes within two cells of their
// outline, never hidden again, the reveal's sound and sparks played once,
// and the record shared by the level file and the snapshot.

#include "BlockWorld.h"

#include "engine/Secret.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using blocktest::BlockWorld;

namespace {

bool same(const math::Vector2 &a, const math::Vector2 &b) { return a.x == b.x && a.y == b.y; }

class SecretTest : public BlockWorld {
protected:
  // Cells (0, 0) to (1, 2): the outline spans x -1.5 to 4.5 and y -1.5 to
  // 7.5, its long sides upright.
  Secret *tallSecret() {
    auto *secret = new Secret(*level);
    secret->setCorners(math::Vector2i(0, 0), math::Vector2i(2, 0), math::Vector2i(0, 3),
                       math::Vector2i(2, 3));
    level->addSecret(secret);
    return secret;
  }
  void ballAt(float x, float y) { ball().setPosition(math::Vector3(x, y, 0.0f)); }
  size_t sparks() { return effects(Level::objectEffects(), L"crystalSparks").size(); }
};

} // namespace

TEST_F(SecretTest, TheBallRevealsItFromWithinSixOfTheOutlineAndNoFarther) {
  ASSERT_TRUE(soundOpen);
  // 6 / sqrt(2) away on each axis from the lower-left corner is 6 away.
  const float diagonal = 6.0f / std::sqrt(2.0f);
  struct Case {
    const char *what;
    float x, y;
    bool revealed;
  };
  const Case cases[] = {
      {"inside", 1.5f, 3.0f, true},
      {"5.99 left of the long side", -7.49f, 3.0f, true},
      {"6.01 left of the long side", -7.51f, 3.0f, false},
      {"6.01 above the short side", 1.5f, 13.51f, false},
      {"just inside 6 of the corner", -1.5f - diagonal + 0.01f, -1.5f - diagonal + 0.01f, true},
      {"just over 6 from the corner", -1.5f - diagonal - 0.01f, -1.5f - diagonal - 0.01f, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    level->effects().list(Level::objectEffects())->clear();
    quiet();
    Secret *secret = tallSecret();
    ballAt(c.x, c.y);
    secret->update(0.1f);
    EXPECT_EQ(secret->state(), c.revealed ? uint32_t(Secret::REVEALED) : uint32_t(Secret::HIDDEN));
    EXPECT_EQ(secret->found(), c.revealed);
    EXPECT_EQ(played(L"secret"), c.revealed);
    // Eleven sparks along each long side, both ends included.
    EXPECT_EQ(sparks(), c.revealed ? 2u * Secret::sparksPerEdge : 0u);
  }
}

TEST_F(SecretTest, ARevealedSecretFadesToItsFaintOpacityAndNeverHidesAgain) {
  Secret *secret = tallSecret();
  EXPECT_EQ(secret->opacity(), 1.0f);
  ballAt(1.5f, 3.0f);
  secret->update(0.1f);
  ASSERT_EQ(secret->state(), uint32_t(Secret::REVEALED));
  const size_t thrown = sparks();
  ballAt(100.0f, 100.0f);
  secret->update(0.1f);
  EXPECT_NEAR(secret->opacity(), 0.8f, 1e-5f);
  for (int i = 0; i < 20; ++i)
    secret->update(0.1f);
  EXPECT_EQ(secret->state(), uint32_t(Secret::REVEALED));
  EXPECT_EQ(secret->opacity(), Secret::revealedOpacity);
  // Coming near again plays nothing more.
  ballAt(1.5f, 3.0f);
  secret->update(0.1f);
  EXPECT_EQ(sparks(), thrown);
}

TEST_F(SecretTest, TheRecordReadsBackWholeAndTakesItsStateWithoutReplayingTheReveal) {
  ASSERT_TRUE(soundOpen);
  Secret *original = tallSecret();
  file::BufferBinary bytes;
  original->write(bytes);
  ASSERT_EQ(bytes.size(), Secret::recordBytes);

  struct Case {
    const char *what;
    uint8_t state, found;
    // What the first approach then does.
    bool replays;
  };
  const Case cases[] = {{"revealed and found", 1, 1, false},
                        {"hidden, not found", 0, 0, true},
                        {"hidden but found", 0, 1, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    level->effects().list(Level::objectEffects())->clear();
    quiet();
    file::BufferBinary record;
    file::write(c.state, record);
    file::write(2.5f, record);
    file::write(c.found, record);
    for (int32_t v : {0, 0, 2, 0, 0, 3, 2, 3})
      file::write(v, record);
    record.seek(0);
    auto *secret = new Secret(*level);
    level->addSecret(secret);
    ASSERT_TRUE(secret->read(record));
    EXPECT_EQ(secret->state(), uint32_t(c.state));
    EXPECT_EQ(secret->stateTime(), 2.5f);
    EXPECT_EQ(secret->found(), c.found != 0);
    EXPECT_EQ(secret->outline().size(), 4u);
    // Written back byte for byte.
    file::BufferBinary again;
    secret->write(again);
    ASSERT_EQ(again.size(), record.size());
    EXPECT_EQ(memcmp(again.data(), record.data(), record.size()), 0);
    // Reading plays nothing.
    EXPECT_FALSE(played(L"secret"));
    EXPECT_EQ(sparks(), 0u);
    ballAt(1.5f, 3.0f);
    secret->update(0.1f);
    EXPECT_EQ(secret->state(), uint32_t(Secret::REVEALED));
    EXPECT_EQ(played(L"secret"), c.replays);
    EXPECT_EQ(sparks(), c.replays ? 2u * Secret::sparksPerEdge : 0u);
  }

  // A record cut short is refused and changes nothing.
  file::BufferBinary cut;
  cut.receiveBytes(bytes.data(), Secret::recordBytes - 1);
  cut.seek(0);
  Secret *secret = tallSecret();
  ballAt(1.5f, 3.0f);
  secret->update(0.1f);
  EXPECT_FALSE(secret->read(cut));
  EXPECT_EQ(secret->state(), uint32_t(Secret::REVEALED));
  EXPECT_EQ(secret->corner(3).x, 2);
  EXPECT_EQ(secret->corner(3).y, 3);
}

TEST_F(SecretTest, TheCoverReachesPastItsCornersAlongTheLongSidesUnderTheBackground) {
  level->setBackgroundScale(0.25f);
  Secret *secret = tallSecret();
  EXPECT_TRUE(same(secret->outline()[0], math::Vector2(-1.5f, -1.5f)));
  EXPECT_TRUE(same(secret->outline()[1], math::Vector2(-1.5f, 7.5f)));
  EXPECT_TRUE(same(secret->outline()[2], math::Vector2(4.5f, 7.5f)));
  EXPECT_TRUE(same(secret->outline()[3], math::Vector2(4.5f, -1.5f)));
  EXPECT_TRUE(secret->getPosition() == math::Vector3(-1.5f, -1.5f, 0.0f));
  ballAt(1.5f, 3.0f);
  // Revealed in the first update, faded in the second.
  secret->update(0.1f);
  secret->update(0.1f);

  testing_support::RecordingCanvas canvas;
  secret->render(canvas);
  ASSERT_EQ(canvas.meshes.size(), 1u);
  EXPECT_NEAR(canvas.meshes[0].colorTop.a, 0.8f, 1e-5f);
  const mesh::MeshDefinition &d = *canvas.meshes[0].mesh->definition;
  ASSERT_EQ(d.vertexCount(), 4u);
  const math::Vector2 expected[4] = {{-1.5f, -2.5f}, {4.5f, -2.5f}, {-1.5f, 8.5f}, {4.5f, 8.5f}};
  for (uint32_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(same(d.position2D(i), expected[i]));
    // Where the background would show the same point.
    EXPECT_TRUE(same(d.texCoord(i), math::Vector2(0.25f * expected[i].x, -0.25f * expected[i].y)));
  }
  EXPECT_FALSE(secret->meshDirty());
  // A border ribbon along each long side, faded with the cover.
  ASSERT_EQ(canvas.drawn.size(), 2u);
  for (const testing_support::DrawnPrimitive &border : canvas.drawn) {
    ASSERT_EQ(border.vertexCount(), 4);
    EXPECT_EQ(border.color(0).a, uint8_t(std::lround(0.8f * 255.0f)));
  }
  EXPECT_NEAR(canvas.drawn[0].position(0).y, -2.5f, 0.5f);
  EXPECT_NEAR(canvas.drawn[0].position(2).y, 8.5f, 0.5f);
  EXPECT_EQ(canvas.colorStackSize(), 0u);
}
