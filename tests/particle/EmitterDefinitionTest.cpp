// Emitter definitions: defaults, the dictionary keys, channels, the tagged
// binary record, and definitions that lack a billboard or a spout.

#include "ParticleTestSupport.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "math/Channel.h"
#include "particle/Mover.h"
#include "particle/MoverLinear.h"
#include "particle/ParticleKeys.h"
#include "particle/Spout.h"
#include "particle/SpoutBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

using namespace particletest;

namespace {

std::set<std::wstring> keysOf(const quip::Dictionary &d) {
  std::set<std::wstring> out;
  quip::Array keys = d.keys();
  for (uint32_t i = 0; i < keys.count(); ++i)
    out.insert(keys[i].symbol().text());
  return out;
}

const wchar_t *Complete = L"(billboard: (size: [8 8]) spout: (type: box: extents: [1 2 3]) "
                          L"mover: (type: linear: drag: 0.5) lifespan: 3 align: toVelocity: "
                          L"maxParticles: 7 initialParticles: 2 chargeThreshold: 0.5 "
                          L"initialColor: [1 0 0 1] pointSpritesEnabled: true:)";

} // namespace

TEST(EmitterDefinitions, AnEmptyDictionaryLeavesTheDefaults) {
  EmitterDefinition d;
  d.read(nullptr, quip::Dictionary());
  EXPECT_EQ(d.billboard, nullptr);
  EXPECT_EQ(d.spout, nullptr);
  EXPECT_EQ(d.mover, nullptr);
  EXPECT_EQ(d.lifespan, -1.0f);
  EXPECT_EQ(d.particleLifespan, 1.0f);
  EXPECT_EQ(d.maxParticles, -1);
  EXPECT_EQ(d.initialParticles, 0u);
  EXPECT_EQ(d.chargeThreshold, 0.033f);
  EXPECT_EQ(d.particlesPerCharge, 1u);
  EXPECT_TRUE(d.initialColor.value() == math::Color::white);
  EXPECT_EQ(d.initialScale.value().x, 1.0f);
  EXPECT_EQ(d.pointSpriteAttenuation, math::Vector3(1, 0, 0));
}

TEST(EmitterDefinitions, TheChargeThresholdHasAFloor) {
  struct Case {
    const wchar_t *text;
    float expected;
  } cases[] = {{L"(chargeThreshold: 0)", 0.0001f},
               {L"(chargeThreshold: -1)", 0.0001f},
               {L"(chargeThreshold: 0.5)", 0.5f}};
  for (const Case &c : cases) {
    EmitterDefinition d;
    d.read(nullptr, dictionary(c.text));
    EXPECT_EQ(d.chargeThreshold, c.expected) << std::wstring(c.text).c_str();
  }
}

TEST(EmitterDefinitions, KeysAreReadAndWrittenWhenTheyDiffer) {
  EmitterDefinition d;
  d.read(nullptr, dictionary(Complete));
  ASSERT_NE(d.billboard, nullptr);
  ASSERT_NE(d.spout, nullptr);
  ASSERT_NE(d.mover, nullptr);
  EXPECT_EQ(d.billboard->size.x, 8.0f);
  EXPECT_EQ(static_cast<SpoutBox *>(d.spout)->extents, math::Vector3(1, 2, 3));
  EXPECT_EQ(static_cast<MoverLinear *>(d.mover)->drag, 0.5f);
  EXPECT_EQ(d.align, EmitterDefinition::ALIGN_TO_VELOCITY);
  EXPECT_EQ(d.maxParticles, 7);
  EXPECT_TRUE(d.pointSpritesEnabled);

  quip::Dictionary written;
  ASSERT_TRUE(d.write(written));
  EXPECT_EQ(keysOf(written),
            (std::set<std::wstring>{L"billboard", L"spout", L"mover", L"lifespan", L"align",
                                    L"maxParticles", L"initialParticles", L"chargeThreshold",
                                    L"initialColor", L"pointSpritesEnabled"}));
  EmitterDefinition again;
  again.read(nullptr, written);
  EXPECT_EQ(again.maxParticles, 7);
  EXPECT_EQ(again.initialParticles, 2u);
  EXPECT_EQ(again.chargeThreshold, 0.5f);
  EXPECT_TRUE(again.initialColor.value() == math::Color(1.0f, 0.0f, 0.0f, 1.0f));
  EXPECT_TRUE(again.pointSpritesEnabled);

  // Only the billboard and the spout from a plain one.
  EmitterDefinition plain;
  plain.read(nullptr, dictionary(L"(billboard: () spout: (type: point:))"));
  quip::Dictionary bare;
  ASSERT_TRUE(plain.write(bare));
  EXPECT_EQ(keysOf(bare), (std::set<std::wstring>{L"billboard", L"spout"}));
}

TEST(EmitterDefinitions, ChannelsAnimateTheirMembers) {
  EmitterDefinition d;
  d.read(nullptr, dictionary(L"(channels: (scaleX: (frames: [(time: 0 value: 1) (time: 1 value: "
                             L"3)]) colorA: (frames: [(time: 0 value: 1) (time: 2 value: 0)])))"));
  EXPECT_EQ(d.initialScale.evaluate(1.0f).x, 3.0f);
  EXPECT_EQ(d.initialScale.evaluate(1.0f).y, 1.0f);
  EXPECT_EQ(d.initialColor.evaluate(1.0f).a, 0.5f);
  EXPECT_NE(d.getChannel(particleKeys().scaleX), nullptr);
  EXPECT_EQ(d.getChannel(particleKeys().scale), nullptr);

  EmitterDefinition both;
  both.read(nullptr,
            dictionary(L"(channels: (scale: (frames: [(time: 0 value: 1) (time: 1 value: 3)])))"));
  EXPECT_EQ(both.initialScale.evaluate(1.0f).y, 3.0f);

  // Written under "channels", and read back alike.
  d.billboard = new Billboard3D;
  d.spout = new SpoutPoint;
  quip::Dictionary written;
  ASSERT_TRUE(d.write(written));
  EmitterDefinition again;
  again.read(nullptr, written);
  EXPECT_EQ(again.initialScale.evaluate(1.0f).x, 3.0f);
  EXPECT_EQ(again.initialColor.evaluate(1.0f).a, 0.5f);
}

TEST(EmitterDefinitions, BinaryRecordsRoundTripWithTheMaximumBeforeTheInitialCount) {
  EmitterDefinition d;
  d.read(nullptr, dictionary(Complete));
  d.initialScale.setValue(math::Vector2(2, 2));
  file::BufferBinary buffer;
  ASSERT_TRUE(d.writeBinary(buffer, nullptr));
  // Find tag 11 (maximum, 7) and tag 10 (initial, 2) in the written bytes.
  const unsigned char *bytes = buffer.data();
  auto find = [&](uint8_t tag, int32_t value) {
    for (uint32_t i = 0; i + 5 <= buffer.size(); ++i) {
      int32_t v;
      std::memcpy(&v, bytes + i + 1, 4);
      if (bytes[i] == tag && v == value)
        return int(i);
    }
    return -1;
  };
  int maximum = find(11, 7), initial = find(10, 2);
  ASSERT_GE(maximum, 0);
  ASSERT_GE(initial, 0);
  EXPECT_LT(maximum, initial);

  buffer.seek(0);
  EmitterDefinition back;
  ASSERT_TRUE(back.readBinary(buffer, nullptr));
  EXPECT_EQ(buffer.bytesRemaining(), 0u);
  EXPECT_EQ(back.maxParticles, 7);
  EXPECT_EQ(back.initialParticles, 2u);
  EXPECT_EQ(back.lifespan, 3.0f);
  EXPECT_EQ(back.align, EmitterDefinition::ALIGN_TO_VELOCITY);
  EXPECT_EQ(back.initialScale.value().x, 2.0f);
  EXPECT_TRUE(back.pointSpritesEnabled);
  ASSERT_NE(back.mover, nullptr);
  EXPECT_EQ(static_cast<MoverLinear *>(back.mover)->drag, 0.5f);
  EXPECT_EQ(static_cast<SpoutBox *>(back.spout)->extents, math::Vector3(1, 2, 3));
  EXPECT_EQ(back.billboard->size.x, 8.0f);
}

TEST(EmitterDefinitions, TheBinaryReaderSkipsUnknownTagsAndFloorsTheThreshold) {
  EmitterDefinition d;
  d.billboard = new Billboard3D;
  d.spout = new SpoutPoint;
  file::BufferBinary buffer;
  d.billboard->writeBinary(nullptr, buffer);
  d.spout->writeBinary(buffer);
  for (int tag = 20; tag <= 254; ++tag)
    file::write(uint8_t(tag), buffer);
  file::write(uint8_t(12), buffer);
  file::write(0.0f, buffer);
  file::write(uint8_t(13), buffer);
  file::write(uint32_t(4), buffer);
  file::write(uint8_t(255), buffer);
  buffer.seek(0);
  EmitterDefinition back;
  ASSERT_TRUE(back.readBinary(buffer, nullptr));
  EXPECT_EQ(back.particlesPerCharge, 4u);
  EXPECT_EQ(back.chargeThreshold, 0.0001f);

  // So emission from it ends.
  ParticleSystemDefinition system;
  EmitterDefinition *emitter = plainEmitter();
  emitter->chargeThreshold = back.chargeThreshold;
  system.emitters.push(emitter);
  std::unique_ptr<ParticleSystem> running(system.instantiate());
  running->update(0.01f);
  EXPECT_NEAR(running->emitter(0).emitted(), 100, 1);
}

TEST(EmitterDefinitions, IncompleteDefinitionsAreReportedAtLoadAndNotWritten) {
  ParticleSystemDefinition system;
  testing::internal::CaptureStderr();
  system.read(nullptr, dictionary(L"(name: broken: emitters: [(billboard: ()) (spout: (type: "
                                  L"point:)) (billboard: () spout: (type: spiral:))])"));
  std::string log = testing::internal::GetCapturedStderr();
  ASSERT_EQ(system.emitters.size(), 3u);
  EXPECT_NE(log.find("emitter 0 has no spout"), std::string::npos) << log;
  EXPECT_NE(log.find("emitter 1 has no billboard"), std::string::npos) << log;
  EXPECT_NE(log.find("emitter 2 has no spout"), std::string::npos) << log;

  testing::internal::CaptureStderr();
  quip::Dictionary written;
  EXPECT_FALSE(system.write(written));
  EXPECT_TRUE(written.isEmpty());
  file::BufferBinary buffer;
  EXPECT_FALSE(system.writeBinary(buffer, nullptr));
  EXPECT_EQ(buffer.size(), 0u);
  EXPECT_FALSE(system.emitters[0]->write(written));
  log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("not written"), std::string::npos) << log;
}

TEST(EmitterDefinitions, NoTruncationOfARecordCrashes) {
  ParticleSystemDefinition system;
  system.read(nullptr, dictionary(L"(name: whole: emitters: [(billboard: (size: [4 4])"
                                  L" spout: (type: circle: radiusMax: 2) mover: (type: "
                                  L"angular: rotation: 30) lifespan: 2 initialColor: [1 0 0 1]"
                                  L" channels: (rotation: (frames: [(time: 0 value: 0) (time: 1 "
                                  L"value: 90)])))])"));
  file::BufferBinary whole;
  ASSERT_TRUE(system.writeBinary(whole, nullptr));
  for (uint32_t cut = 0; cut < whole.size(); ++cut) {
    file::BufferBinary part;
    part.receiveBytes(whole.data(), cut);
    part.seek(0);
    ParticleSystemDefinition back;
    testing::internal::CaptureStderr();
    bool read = back.readBinary(part, nullptr);
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(read) << cut;
  }
  whole.seek(0);
  ParticleSystemDefinition back;
  ASSERT_TRUE(back.readBinary(whole, nullptr));
  EXPECT_EQ(back.name, Symbol::intern(L"whole"));
  ASSERT_EQ(back.emitters.size(), 1u);
  EXPECT_EQ(back.emitters[0]->initialRotation.evaluate(1.0f), 90.0f);
}
