// Animation definitions: which channel drives which component, the
// dictionary and binary forms, and the texture animations of render passes.

#include "animation/AnimationDefinition.h"
#include "animation/AnimationTable.h"
#include "animation/TextureAnimations.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/Database.h"
#include "math/Channel.h"
#include "math/FixedFrame.h"
#include "math/OscillatorFrame.h"
#include "quip/Token.h"
#include "video/RenderPass.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using animation::AnimationDefinition;
using animation::AnimationState;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// A linear ramp from one value to another over the duration.
math::Channel *ramp(float from, float to, float duration) {
  auto *channel = new math::Channel;
  channel->addFrame(new math::FixedFrame(0.0f, math::TWEEN_LINEAR, from));
  channel->addFrame(new math::FixedFrame(duration, math::TWEEN_LINEAR, to));
  return channel;
}

void expectVector(const math::Vector2 &v, float x, float y) {
  EXPECT_FLOAT_EQ(v.x, x);
  EXPECT_FLOAT_EQ(v.y, y);
}

AnimationState at(const AnimationDefinition &definition, float time) {
  AnimationState state;
  definition.evaluate(state, time);
  return state;
}

void expectState(const AnimationState &s, math::Color color, math::Vector2 scale,
                 math::Vector2 translation, float rotation) {
  EXPECT_FLOAT_EQ(s.color.r, color.r);
  EXPECT_FLOAT_EQ(s.color.g, color.g);
  EXPECT_FLOAT_EQ(s.color.b, color.b);
  EXPECT_FLOAT_EQ(s.color.a, color.a);
  EXPECT_FLOAT_EQ(s.scale.x, scale.x);
  EXPECT_FLOAT_EQ(s.scale.y, scale.y);
  EXPECT_FLOAT_EQ(s.translation.x, translation.x);
  EXPECT_FLOAT_EQ(s.translation.y, translation.y);
  EXPECT_FLOAT_EQ(s.rotation, rotation);
}

// The same look at every sampled time.
void expectSameAnimation(const AnimationDefinition &a, const AnimationDefinition &b) {
  for (float t : {0.0f, 0.3f, 1.0f, 1.7f, 4.0f})
    EXPECT_EQ(at(a, t), at(b, t)) << "at " << t;
}

// Every component based and animated.
AnimationDefinition busy() {
  AnimationDefinition d;
  d.setInitialColor(math::Color(0.5f, 0.25f, 1.0f, 0.75f));
  d.setInitialScale(math::Vector2(2.0f, 3.0f));
  d.setInitialTranslation(math::Vector2(-4.0f, 5.0f));
  d.setInitialRotation(30.0f);
  d.setChannel(AnimationDefinition::COLOR_A, ramp(1.0f, 0.0f, 2.0f));
  d.setChannel(AnimationDefinition::uniformScaleName(), ramp(1.0f, 2.0f, 1.0f));
  d.setChannel(AnimationDefinition::SCALE_Y, ramp(0.5f, 1.5f, 3.0f));
  d.setChannel(AnimationDefinition::TRANSLATION_X, ramp(0.0f, 10.0f, 2.0f));
  d.setChannel(AnimationDefinition::ROTATION, ramp(0.0f, 90.0f, 1.0f));
  return d;
}

file::BufferBinary serialized(const AnimationDefinition &d) {
  file::BufferBinary bytes;
  d.serialize(bytes);
  bytes.seek(0);
  return bytes;
}

} // namespace

TEST(AnimationDefinition, WithoutChannelsItIsItsBaseAtEveryTime) {
  AnimationDefinition fresh;
  for (float t : {0.0f, 1.0f, 100.0f})
    expectState(at(fresh, t), math::Color::white, {1, 1}, {0, 0}, 0.0f);
  EXPECT_FALSE(fresh.isAnimated());
  EXPECT_EQ(fresh.duration(), 0.0f);

  AnimationDefinition based;
  based.setInitialColor(math::Color(0.1f, 0.2f, 0.3f, 0.4f));
  based.setInitialTranslation(math::Vector2(7.0f, -2.0f));
  based.setInitialRotation(45.0f);
  expectState(at(based, 3.0f), math::Color(0.1f, 0.2f, 0.3f, 0.4f), {1, 1}, {7, -2}, 45.0f);
}

TEST(AnimationDefinition, AnAxisChannelWinsOverTheUniformScaleForItsAxisOnly) {
  AnimationDefinition d;
  d.setChannel(sym(L"scale"), ramp(1.0f, 3.0f, 2.0f));
  expectVector(at(d, 1.0f).scale, 2.0f, 2.0f);
  d.setChannel(sym(L"scaleX"), ramp(0.0f, 10.0f, 2.0f));
  AnimationState s = at(d, 1.0f);
  EXPECT_FLOAT_EQ(s.scale.x, 5.0f);
  EXPECT_FLOAT_EQ(s.scale.y, 2.0f);
  EXPECT_TRUE(d.isAnimated());
  EXPECT_FLOAT_EQ(d.duration(), 2.0f);
}

TEST(AnimationDefinition, EachChannelDrivesItsComponentFromItsBase) {
  // A ramp from 0.25 to 0.75 is halfway at 1 s, whatever the base.
  for (int i = 0; i < AnimationDefinition::CHANNEL_COUNT; ++i) {
    AnimationDefinition d;
    d.setChannel(i, ramp(0.25f, 0.75f, 2.0f));
    Symbol name = AnimationDefinition::channelName(i);
    EXPECT_EQ(d.getChannel(name), d.channel(i)) << name.text();
    AnimationState s = at(d, 1.0f);
    const float values[] = {s.translation.x, s.translation.y, s.rotation, s.scale.x, s.scale.y,
                            s.color.r,       s.color.g,       s.color.b,  s.color.a};
    EXPECT_FLOAT_EQ(values[i], 0.5f) << name.text();
  }
}

TEST(AnimationDefinition, NamesIndexesAndInitialValues) {
  const wchar_t *names[] = {L"translationX", L"translationY", L"rotation", L"scaleX", L"scaleY",
                            L"colorR",       L"colorG",       L"colorB",   L"colorA"};
  AnimationDefinition d;
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(AnimationDefinition::channelName(i), sym(names[i]));
    d.setInitialValue(sym(names[i]), float(i) + 0.5f);
    EXPECT_FLOAT_EQ(d.initialValue(sym(names[i])), float(i) + 0.5f);
  }
  EXPECT_EQ(d.channel(9), nullptr);
  EXPECT_TRUE(AnimationDefinition::channelName(9).isEmpty());
  EXPECT_EQ(d.initialValue(sym(L"color")), 0.0f);
  d.setInitialValue(sym(L"translation"), 3.0f);
  expectVector(d.initialTranslation(), 0.5f, 1.5f);
  // "color" and "translation" name no channel: a channel given them is freed.
  d.setChannel(sym(L"color"), ramp(0, 1, 1));
  d.setChannel(9, ramp(0, 1, 1));
  EXPECT_EQ(d.getChannel(sym(L"color")), nullptr);
  EXPECT_FALSE(d.isAnimated());
}

TEST(AnimationDefinition, ClearResetAndDeepCopies) {
  AnimationDefinition original = busy();
  AnimationDefinition copy = original;
  EXPECT_NE(copy.channel(AnimationDefinition::ROTATION),
            original.channel(AnimationDefinition::ROTATION));
  expectSameAnimation(copy, original);
  original.setChannel(AnimationDefinition::ROTATION, ramp(0.0f, -90.0f, 1.0f));
  EXPECT_FLOAT_EQ(at(copy, 1.0f).rotation, 90.0f);

  copy.clearChannels();
  EXPECT_FALSE(copy.isAnimated());
  EXPECT_EQ(copy.getChannel(sym(L"scale")), nullptr);
  expectVector(copy.initialScale(), 2.0f, 3.0f);
  copy.reset();
  expectSameAnimation(copy, AnimationDefinition());
}

TEST(AnimationDefinition, SavingAFreshDefinitionWritesNothing) {
  quip::Dictionary d;
  AnimationDefinition().save(d);
  EXPECT_TRUE(d.isEmpty());

  AnimationDefinition loaded;
  loaded.setInitialColor(math::Color(0.0f, 0.0f, 0.0f, 1.0f));
  EXPECT_TRUE(loaded.load(quip::Dictionary()));
  // The colour stays as it was; the scale base goes back to (1, 1).
  EXPECT_EQ(loaded.initialColor(), math::Color(0.0f, 0.0f, 0.0f, 1.0f));
  loaded.setInitialColor(math::Color::white);
  loaded.setInitialScale(math::Vector2(4, 4));
  loaded.load(quip::Dictionary());
  expectSameAnimation(loaded, AnimationDefinition());
}

TEST(AnimationDefinition, TheDictionaryFormReadsBack) {
  AnimationDefinition original = busy();
  quip::Dictionary d;
  original.save(d);
  for (const wchar_t *key :
       {L"initialColor", L"initialScale", L"initialTranslation", L"initialRotation"})
    EXPECT_NE(d.lookup(sym(key)), nullptr) << key;
  const quip::Token *channels = d.lookup(sym(L"channels"));
  ASSERT_TRUE(channels && channels->isDictionary());
  EXPECT_EQ(channels->dictionary().count(), 5u);
  EXPECT_NE(channels->dictionary().lookup(sym(L"scale")), nullptr);

  AnimationDefinition loaded;
  EXPECT_TRUE(loaded.load(d));
  expectSameAnimation(loaded, original);
}

TEST(AnimationDefinition, BinaryFormsReadBack) {
  struct Case {
    const char *name;
    std::function<void(AnimationDefinition &)> make;
  };
  const Case cases[] = {
      {"fresh", [](AnimationDefinition &) {}},
      {"colour base",
       [](AnimationDefinition &d) {
         d.setInitialColor({1, 0, 0, 0.5f});
       }},
      {"scale base",
       [](AnimationDefinition &d) {
         d.setInitialScale({2, 3});
       }},
      {"scale (0, 0) with a channel",
       [](AnimationDefinition &d) {
         d.setInitialScale({0, 0});
         d.setChannel(AnimationDefinition::SCALE_X, ramp(0, 1, 1));
       }},
      {"translation channel",
       [](AnimationDefinition &d) {
         d.setChannel(AnimationDefinition::TRANSLATION_Y, ramp(1, 2, 3));
       }},
      {"rotation", [](AnimationDefinition &d) { d.setInitialRotation(12.5f); }},
      {"looping channel",
       [](AnimationDefinition &d) {
         math::Channel *c = ramp(0, 1, 1);
         c->setLoop(true);
         d.setChannel(AnimationDefinition::COLOR_G, c);
       }},
      {"everything", [](AnimationDefinition &d) { d = busy(); }},
  };
  for (const Case &c : cases) {
    AnimationDefinition original;
    c.make(original);
    file::BufferBinary bytes = serialized(original);
    AnimationDefinition read;
    read.setInitialRotation(99.0f); // reading starts afresh
    ASSERT_TRUE(read.deserialize(bytes)) << c.name;
    EXPECT_EQ(bytes.bytesRemaining(), 0u) << c.name;
    expectSameAnimation(read, original);
    file::BufferBinary again = serialized(read);
    ASSERT_EQ(again.size(), bytes.size()) << c.name;
    EXPECT_EQ(std::string((const char *)again.data(), again.size()),
              std::string((const char *)bytes.data(), bytes.size()))
        << c.name;
  }
}

TEST(AnimationDefinition, AZeroScaleWithoutChannelsReadsBackAsOne) {
  AnimationDefinition zero;
  zero.setInitialScale(math::Vector2(0.0f, 0.0f));
  file::BufferBinary bytes = serialized(zero);
  EXPECT_EQ(bytes.data()[0] & 2, 0); // no scale group
  AnimationDefinition read;
  ASSERT_TRUE(read.deserialize(bytes));
  expectVector(read.initialScale(), 1.0f, 1.0f);
  // A fresh definition stores its scale group: its base (1, 1) is not the
  // record's default.
  EXPECT_EQ(serialized(AnimationDefinition()).data()[0], 2);
  EXPECT_FALSE(AnimationDefinition().isDefault());
  EXPECT_TRUE(zero.isDefault());
}

TEST(AnimationDefinition, ACutRecordIsRefusedAndLeavesAFreshDefinition) {
  file::BufferBinary whole = serialized(busy());
  for (uint32_t keep : {0u, 1u, 5u, whole.size() - 1}) {
    file::BufferBinary cut;
    cut.receiveBytes(whole.data(), keep);
    cut.seek(0);
    AnimationDefinition read = busy();
    EXPECT_FALSE(read.deserialize(cut)) << keep;
    expectSameAnimation(read, AnimationDefinition());
  }
}

// Frames other than fixed ones have no binary form: such a channel is left
// out, reported, and the record stays whole for what follows it.
TEST(AnimationDefinition, AChannelWithoutBinaryFormIsLeftOutOfAWholeRecord) {
  AnimationDefinition d;
  auto *wobble = new math::Channel;
  wobble->addFrame(new math::OscillatorFrame);
  d.setChannel(AnimationDefinition::ROTATION, wobble);
  d.setChannel(AnimationDefinition::TRANSLATION_X, ramp(0, 4, 2));
  file::BufferBinary bytes;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(d.serialize(bytes));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("no binary form"), std::string::npos) << log;
  file::write(uint32_t(0xabcdef01), bytes);
  bytes.seek(0);
  AnimationDefinition read;
  ASSERT_TRUE(read.deserialize(bytes));
  EXPECT_EQ(read.channel(AnimationDefinition::ROTATION), nullptr);
  EXPECT_FLOAT_EQ(at(read, 1.0f).translation.x, 2.0f);
  uint32_t after = 0;
  file::read(after, bytes);
  EXPECT_EQ(after, 0xabcdef01u);
}

TEST(AnimationDefinition, NamedTablesLoadEachDictionary) {
  quip::Dictionary spin, pulse, table;
  spin.set(sym(L"initialRotation"), quip::Token(10.0f));
  pulse.set(sym(L"initialScale"), math::Vector2(2, 2).toToken());
  table.set(sym(L"spin"), quip::Token(spin));
  table.set(sym(L"pulse"), quip::Token(pulse));
  table.set(sym(L"broken"), quip::Token(1.0f));
  animation::AnimationTable named;
  EXPECT_FALSE(animation::loadAnimationTable(table, named));
  ASSERT_EQ(named.count(), 2u);
  EXPECT_FLOAT_EQ((*named.lookup(sym(L"spin")))->initialRotation(), 10.0f);
  expectVector((*named.lookup(sym(L"pulse")))->initialScale(), 2, 2);
  EXPECT_TRUE(animation::loadAnimationTable(quip::Dictionary(), named));
  animation::clearAnimationTable(named);
  EXPECT_EQ(named.count(), 0u);
}

TEST(AnimationState, SavesWhatDiffersAndLoadsIt) {
  quip::Dictionary none;
  AnimationState().save(none);
  EXPECT_TRUE(none.isEmpty());

  AnimationState moved;
  moved.color = math::Color(1, 0.5f, 0, 1);
  moved.translation = math::Vector2(3, 4);
  moved.rotation = 15.0f;
  quip::Dictionary d;
  moved.save(d);
  EXPECT_EQ(d.count(), 3u);
  EXPECT_EQ(d.lookup(sym(L"scale")), nullptr);
  AnimationState loaded;
  loaded.load(d);
  EXPECT_EQ(loaded, moved);
}

// A render pass keeps its texture animation through both of its forms.
TEST(AnimationDefinition, RenderPassesCarryTheirTextureAnimations) {
  animation::installTextureAnimations();
  Database database(sym(L"animationTest"), String(L"."));
  quip::Dictionary animationForm;
  busy().save(animationForm);
  quip::Dictionary passForm;
  passForm.set(sym(L"textureAnimation"), quip::Token(animationForm));
  video::RenderPass pass;
  pass.read(database, passForm);
  ASSERT_NE(pass.textureAnimation(), nullptr);
  expectSameAnimation(*pass.textureAnimation(), busy());
  pass.setTime(1.0f);
  EXPECT_EQ(pass.animationState, at(busy(), 1.0f));

  video::RenderPass copy = pass;
  EXPECT_NE(copy.textureAnimation(), pass.textureAnimation());

  file::BufferBinary bytes;
  pass.writeBinary(bytes);
  bytes.seek(0);
  video::RenderPass read;
  ASSERT_TRUE(read.readBinary(database, bytes));
  ASSERT_NE(read.textureAnimation(), nullptr);
  expectSameAnimation(*read.textureAnimation(), busy());

  quip::Dictionary written;
  pass.write(written);
  EXPECT_NE(written.lookup(sym(L"textureAnimation")), nullptr);
}
