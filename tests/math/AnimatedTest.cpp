#include "file/BufferBinary.h"
#include "math/Animatable.h"
#include "math/AnimatedColor.h"
#include "math/AnimatedFloat.h"
#include "math/AnimatedVector2.h"
#include "math/FinalFrame.h"
#include "math/FixedFrame.h"
#include "math/ValueFrame.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

using namespace math;

namespace {

// From a to b over one second, then held until 2.
Channel *ramp(float a, float b) {
  Channel *c = new Channel;
  c->addFrame(new FixedFrame(0, TWEEN_LINEAR, a));
  c->addFrame(new FixedFrame(1, TWEEN_LINEAR, b));
  c->addFrame(new FinalFrame(2));
  return c;
}

// Fixed frames only: the kind that has a binary form.
Channel *fixedRamp(float a, float b) {
  Channel *c = new Channel;
  c->addFrame(new FixedFrame(0, TWEEN_LINEAR, a));
  c->addFrame(new FixedFrame(1, TWEEN_LINEAR, b));
  return c;
}

Channel *emptyLoop() {
  Channel *c = new Channel;
  c->setLoop(true);
  return c;
}

} // namespace

TEST(Animated, FloatEvaluateAndDefaults) {
  AnimatedFloat f;
  EXPECT_TRUE(f.isDefault());
  f.setChannel(emptyLoop());
  EXPECT_TRUE(f.isDefault());
  EXPECT_TRUE(f.isLooping());
  f.setChannel(ramp(0, 4));
  EXPECT_FALSE(f.isDefault());
  EXPECT_FLOAT_EQ(f.evaluate(0.5f), 2);
  EXPECT_EQ(f.duration(), 2);
  f.setChannel(nullptr);
  f.setValue(3);
  EXPECT_EQ(f.evaluate(0.5f), 3);
  EXPECT_EQ(f.duration(), 0);
}

TEST(Animated, Vector2ComponentChannelsWin) {
  AnimatedVector2 v(Vector2(1, 2));
  Channel *both = new Channel;
  both->addFrame(new ValueFrame(0, TWEEN_LINEAR, 10, true));
  both->addFrame(new FinalFrame(3));
  v.setChannel(both);
  v.setChannelY(ramp(5, 6));
  Vector2 at = v.evaluate(1.5f);
  EXPECT_FLOAT_EQ(at.x, 1 + 5);
  EXPECT_FLOAT_EQ(at.y, 6);
  EXPECT_EQ(v.duration(), 3);
  EXPECT_FALSE(v.isLooping());
  EXPECT_FALSE(v.isDefault());
}

TEST(Animated, ColorEvaluateAndCopy) {
  AnimatedColor c(Color(0.5f, 0.5f, 0.5f, 1.0f));
  c.setChannelG(ramp(0, 1));
  Color at = c.evaluate(0.25f);
  EXPECT_EQ(at.r, 0.5f);
  EXPECT_FLOAT_EQ(at.g, 0.25f);
  EXPECT_EQ(at.a, 1.0f);

  AnimatedColor copy;
  copy = c;
  ASSERT_NE(copy.channelG(), nullptr);
  EXPECT_NE(copy.channelG(), c.channelG());
  EXPECT_EQ(copy.evaluate(0.25f), at);
  AnimatedColor constructed(c);
  EXPECT_EQ(constructed.evaluate(0.25f), at);
  AnimatedColor &alias = c;
  c = alias;
  EXPECT_EQ(c.evaluate(0.25f), at);
}

TEST(Animated, BinaryForms) {
  file::BufferBinary buffer;
  AnimatedColor white;
  white.setChannelA(emptyLoop());
  ASSERT_TRUE(white.write(buffer));
  ASSERT_EQ(buffer.size(), 1u);
  EXPECT_EQ(buffer.data()[0], 0);

  AnimatedColor tinted(Color(0.0f, 0.5f, 1.0f, 1.0f));
  tinted.setChannelB(fixedRamp(0, 1));
  buffer.clear();
  ASSERT_TRUE(tinted.write(buffer));
  EXPECT_EQ(buffer.data()[0], 1 | 8);
  EXPECT_EQ(buffer.size(), 1u + 16u + (1u + 2u + 2 * 9u));
  buffer.seek(0);
  AnimatedColor back;
  back.setChannelR(ramp(7, 8));
  ASSERT_TRUE(back.read(buffer));
  EXPECT_EQ(back.value(), tinted.value());
  EXPECT_NE(back.channelR(), nullptr);
  EXPECT_EQ(back.evaluate(0.5f).b, tinted.evaluate(0.5f).b);

  AnimatedVector2 v(Vector2(0, 3));
  v.setChannelX(fixedRamp(1, 2));
  buffer.clear();
  ASSERT_TRUE(v.write(buffer));
  EXPECT_EQ(buffer.data()[0], 1 | 4);
  buffer.seek(0);
  AnimatedVector2 vb;
  ASSERT_TRUE(vb.read(buffer));
  EXPECT_EQ(vb.evaluate(0.5f).x, 1.5f);
  EXPECT_EQ(vb.evaluate(0.5f).y, 3.0f);

  AnimatedFloat f(2);
  buffer.clear();
  ASSERT_TRUE(f.write(buffer));
  EXPECT_EQ(buffer.size(), 5u);
  // Cut inside the value: refused without reading past the end.
  buffer.resize(3);
  buffer.seek(0);
  AnimatedFloat fb;
  EXPECT_FALSE(fb.read(buffer));
  EXPECT_FALSE(buffer.overrun());

  // A channel without a binary form makes the holder write nothing.
  AnimatedFloat relative;
  Channel *c = new Channel;
  c->addFrame(new ValueFrame(0, TWEEN_LINEAR, 1, true));
  relative.setChannel(c);
  buffer.clear();
  EXPECT_FALSE(relative.write(buffer));
  EXPECT_EQ(buffer.size(), 0u);
}

namespace {

class Emitter : public Animatable {
public:
  AnimatedFloat rotation;
  Channel *getChannel(Symbol name) const override {
    return name == SYM(L"rotation") ? rotation.channel() : nullptr;
  }
  void setChannel(Symbol name, Channel *channel) override {
    if (name == SYM(L"rotation"))
      rotation.setChannel(channel);
    else
      Animatable::setChannel(name, channel);
  }
};

} // namespace

TEST(Animated, AnimatableLoadsNamedChannels) {
  quip::Array *frames = new quip::Array(1);
  quip::Dictionary *frame = new quip::Dictionary;
  frame->set(SYM(L"time"), quip::Token(0.0f));
  frame->set(SYM(L"value"), quip::Token(9.0f));
  frames->set(quip::Token(frame), 0);
  quip::Dictionary *rotation = new quip::Dictionary;
  rotation->set(SYM(L"frames"), quip::Token(frames, false));
  quip::Dictionary *channels = new quip::Dictionary;
  channels->set(SYM(L"rotation"), quip::Token(rotation));
  channels->set(SYM(L"unmapped"), quip::Token(quip::Dictionary()));
  channels->set(SYM(L"broken"), quip::Token(1.0f));
  quip::Dictionary dict;
  dict.set(SYM(L"channels"), quip::Token(channels));

  Emitter e;
  EXPECT_FALSE(e.load(dict));
  ASSERT_NE(e.getChannel(SYM(L"rotation")), nullptr);
  EXPECT_EQ(e.rotation.evaluate(5), 9);

  Emitter none;
  EXPECT_TRUE(none.load(quip::Dictionary()));
  EXPECT_EQ(none.getChannel(SYM(L"rotation")), nullptr);
}
