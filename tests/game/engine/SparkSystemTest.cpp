#include "engine/SparkSystem.h"
#include "engine/Spark.h"
#include "engine/SparkListener.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "math/Random.h"

#include <gtest/gtest.h>

#include <cstring>

using math::Vector3;

namespace {

// Counts arrivals and checks that the spark is still in its system then.
struct Arrivals : video::SparkListener {
  video::SparkSystem *system = nullptr;
  int count = 0;
  float lastAge = -1;
  bool arrivedFlag = false;
  uint32_t sparksWhenTold = 0;
  void onSparkArrived(video::Spark &spark) override {
    ++count;
    lastAge = spark.age;
    arrivedFlag = spark.arrived;
    sparksWhenTold = system->sparkCount();
  }
};

} // namespace

TEST(SparkSystem, ArrivesOnlyAfterTheMinimumFlight) {
  struct Case {
    float minimumFlight;
    int arrivingUpdate;
  };
  // Updates of 0.1 s with the target kept on the spark: only the age holds it.
  const Case cases[] = {{0.0f, 1}, {0.25f, 3}, {0.3f, 3}, {0.55f, 6}};
  for (const Case &c : cases) {
    Random::globalSeed(3);
    video::SparkSystem system;
    system.minimumFlight = c.minimumFlight;
    Arrivals told;
    told.system = &system;
    system.addListener(&told);
    system.position = Vector3(4, 5, 0);
    system.emit(1, system.position);
    int update = 0;
    while (system.sparkCount() > 0 && update < 20) {
      system.position = system.spark(0).position;
      system.update(0.1f);
      ++update;
    }
    EXPECT_EQ(update, c.arrivingUpdate) << c.minimumFlight;
    EXPECT_EQ(told.count, 1) << c.minimumFlight;
    EXPECT_GE(told.lastAge, c.minimumFlight);
    EXPECT_TRUE(told.arrivedFlag);
    // Told while still held, removed in the same update.
    EXPECT_EQ(told.sparksWhenTold, 1u);
    EXPECT_EQ(system.sparkCount(), 0u);
    system.update(0.1f);
    EXPECT_EQ(told.count, 1);
  }
}

TEST(SparkSystem, SparksSteerTowardsTheTarget) {
  Random::globalSeed(11);
  video::SparkSystem system;
  system.jitter = 0;
  // Tight enough turns that none circles the target.
  system.turnRate = 720;
  Arrivals told;
  told.system = &system;
  system.addListener(&told);
  system.position = Vector3(40, 30, 0);
  system.emit(8, Vector3(0, 0, 0));
  for (int i = 0; i < 200 && system.sparkCount() > 0; ++i)
    system.update(0.02f);
  EXPECT_EQ(told.count, 8);
  EXPECT_EQ(system.sparkCount(), 0u);
}

TEST(SparkSystem, RecordRoundTrip) {
  Random::globalSeed(5);
  video::SparkSystem system;
  system.position = Vector3(30, 0, 0);
  system.emit(3, Vector3(1, 2, 3));
  system.update(0.05f);
  file::BufferBinary record;
  system.write(record);
  ASSERT_EQ(record.size(), 2u + 3u * 29u);

  // Each read spark draws a random direction first, so the stream goes on
  // as after three such draws.
  Random::globalSeed(9);
  for (int i = 0; i < 3; ++i)
    Vector3().setRandomDirection();
  const int expectedNext = Random::globalNext();
  video::SparkSystem copy;
  copy.emit(2, Vector3());
  Random::globalSeed(9);
  record.seek(0);
  ASSERT_TRUE(copy.read(record));
  EXPECT_EQ(Random::globalNext(), expectedNext);

  ASSERT_EQ(copy.sparkCount(), 3u);
  for (uint32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(copy.spark(i).position, system.spark(i).position);
    EXPECT_EQ(copy.spark(i).age, system.spark(i).age);
    EXPECT_EQ(copy.spark(i).direction, system.spark(i).direction);
    EXPECT_EQ(copy.spark(i).arrived, system.spark(i).arrived);
    EXPECT_EQ(copy.spark(i).system(), &copy);
  }
  file::BufferBinary again;
  copy.write(again);
  ASSERT_EQ(again.size(), record.size());
  EXPECT_EQ(memcmp(again.data(), record.data(), record.size()), 0);
}

TEST(SparkSystem, DamagedRecordsAreRefused) {
  Random::globalSeed(5);
  video::SparkSystem system;
  system.emit(2, Vector3(1, 2, 3));
  file::BufferBinary whole;
  system.write(whole);
  // Every cut short of the whole record.
  for (uint32_t length = 0; length < whole.size(); ++length) {
    file::BufferBinary cut;
    cut.receiveBytes(whole.data(), length);
    cut.seek(0);
    video::SparkSystem copy;
    copy.emit(1, Vector3());
    EXPECT_FALSE(copy.read(cut)) << length;
    EXPECT_EQ(copy.sparkCount(), 0u) << length;
  }
  // A count that the bytes cannot hold makes no sparks at all.
  file::BufferBinary hostile;
  file::write((unsigned short)0xFFFF, hostile);
  hostile.receiveBytes(whole.data() + 2, whole.size() - 2);
  hostile.seek(0);
  video::SparkSystem copy;
  EXPECT_FALSE(copy.read(hostile));
  EXPECT_EQ(copy.sparkCount(), 0u);
}
