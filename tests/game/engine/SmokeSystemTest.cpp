#include "engine/SmokeSystem.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

constexpr float sprite = 32.0f;

} // namespace

TEST(SmokeSystem, APuffGrowsThenFades) {
  struct Case {
    float age;
    float size;
    unsigned char alpha;
  };
  const Case cases[] = {
      {0.2f, sprite * std::sin(0.25f * 3.14159265f), 204},
      // Full size from 0.4 s on.
      {0.4f, sprite, 153},
      {0.7f, sprite, 76},
  };
  for (const Case &c : cases) {
    video::SmokeSystem smoke;
    smoke.position = math::Vector3(3, 4, 5);
    // The puff is made at the start of the update and ages in the same one.
    smoke.update(c.age, sprite);
    ASSERT_EQ(smoke.puffCount(), 1u) << c.age;
    EXPECT_EQ(smoke.puffPoint(0).x, 3.0f);
    EXPECT_EQ(smoke.puffPoint(0).y, 4.0f);
    EXPECT_NEAR(smoke.puffSize(0), c.size, 1e-4f) << c.age;
    EXPECT_EQ(smoke.puffColour(0).a, c.alpha) << c.age;
    EXPECT_EQ(smoke.puffColour(0).r, 255);
  }
  // Gone at one second.
  video::SmokeSystem smoke;
  smoke.emitting = false;
  smoke.emitTimer = 0;
  smoke.update(0.0f, sprite);
  smoke.emitting = true;
  smoke.update(0.5f, sprite);
  smoke.emitting = false;
  smoke.update(0.49f, sprite);
  EXPECT_EQ(smoke.puffCount(), 1u);
  smoke.update(0.01f, sprite);
  EXPECT_EQ(smoke.puffCount(), 0u);
}

TEST(SmokeSystem, TenPuffsASecondThatFadeOutWhenEmissionStops) {
  video::SmokeSystem smoke;
  // A puff at the first update and every 0.1 s after it; none a second old.
  for (int i = 0; i < 19; ++i)
    smoke.update(0.05f, sprite);
  EXPECT_EQ(smoke.puffCount(), 10u);
  // Oldest first.
  EXPECT_GT(smoke.puffAge(0), smoke.puffAge(9));
  smoke.emitting = false;
  smoke.update(0.5f, sprite);
  EXPECT_GT(smoke.puffCount(), 0u);
  EXPECT_LT(smoke.puffCount(), 10u);
  smoke.update(0.5f, sprite);
  EXPECT_EQ(smoke.puffCount(), 0u);
}

TEST(SmokeSystem, RecordRoundTripAndDamage) {
  video::SmokeSystem smoke;
  for (int i = 0; i < 4; ++i) {
    smoke.position = math::Vector3(float(i), 1, 0);
    smoke.update(0.1f, sprite);
  }
  file::BufferBinary whole;
  smoke.write(whole);
  ASSERT_EQ(whole.size(), 2u + 4u * 20u + 5u);
  whole.seek(0);
  video::SmokeSystem copy;
  ASSERT_TRUE(copy.read(whole));
  file::BufferBinary again;
  copy.write(again);
  ASSERT_EQ(again.size(), whole.size());
  EXPECT_EQ(memcmp(again.data(), whole.data(), whole.size()), 0);

  for (uint32_t length = 0; length < whole.size(); ++length) {
    file::BufferBinary cut;
    cut.receiveBytes(whole.data(), length);
    cut.seek(0);
    video::SmokeSystem damaged;
    damaged.update(0.1f, sprite);
    EXPECT_FALSE(damaged.read(cut)) << length;
    EXPECT_EQ(damaged.puffCount(), 0u) << length;
  }
}
