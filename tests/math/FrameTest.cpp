#include "math/Channel.h"
#include "math/FinalFrame.h"
#include "math/FixedFrame.h"
#include "math/OscillatorFrame.h"
#include "math/ParabolaFrame.h"
#include "math/ValueFrame.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace math;

TEST(Frame, TweenNames) {
  const wchar_t *names[] = {L"immediate", L"linear", L"easeInOut", L"easeIn", L"easeOut"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(tweenName(i), Symbol::intern(names[i]));
    EXPECT_EQ(tweenFromName(Symbol::intern(names[i])), i);
  }
  EXPECT_EQ(tweenName(9), SYM(L"linear"));
  EXPECT_EQ(tweenFromName(SYM(L"bounce")), TWEEN_LINEAR);
  EXPECT_NEAR(ease(TWEEN_EASE_IN, 0.5f), 1.0 - std::cos(M_PI / 4), 1e-6);
  EXPECT_NEAR(ease(TWEEN_EASE_OUT, 0.5f), 0.7071068f, 1e-6);
  EXPECT_NEAR(ease(TWEEN_EASE_IN_OUT, 0.5f), 0.5f, 1e-6);
}

TEST(Frame, ValueFrame) {
  ValueFrame relative(0, TWEEN_LINEAR, 2, true);
  EXPECT_FLOAT_EQ(relative.value(10, 0.25f), 10.5f);
  EXPECT_FLOAT_EQ(relative.value(10, 1), 12);
  ValueFrame immediate(0, TWEEN_IMMEDIATE, 2, true);
  for (float t : {0.0f, 0.3f, 1.0f})
    EXPECT_FLOAT_EQ(immediate.value(10, t), 12);
  for (int tween = 0; tween < 6; ++tween) {
    ValueFrame absolute(0, tween, 5, false);
    EXPECT_EQ(absolute.value(-3, 0.4f), 5);
  }
  ValueFrame odd(0, 17, 2, true);
  EXPECT_EQ(odd.value(10, 0.5f), 2);
}

TEST(Frame, FixedFramesTweenTowardsTheNext) {
  Channel channel;
  FixedFrame *first = new FixedFrame(0, TWEEN_EASE_IN_OUT, 0);
  channel.addFrame(first);
  channel.addFrame(new FixedFrame(1, TWEEN_LINEAR, 10));
  EXPECT_FLOAT_EQ(first->value(99, 0.5f), 5);
  EXPECT_NEAR(first->value(99, 0.25f), 1.4645f, 1e-4);
  first->setTween(TWEEN_IMMEDIATE);
  EXPECT_EQ(first->value(99, 0.99f), 0);
  EXPECT_EQ(first->value(99, 1), 10);

  // Followed by a final frame it holds its value.
  FixedFrame *hold = new FixedFrame(0, TWEEN_LINEAR, 3);
  Channel held;
  held.addFrame(hold);
  held.addFrame(new FinalFrame(1));
  EXPECT_EQ(hold->value(0, 0.5f), 3);
}

TEST(Frame, OscillatorAndParabola) {
  OscillatorFrame osc;
  osc.set(1, 2, 1, 0, 0);
  EXPECT_NEAR(osc.value(4, 0.25f), 4 + std::sin(0.25) * 0.5, 1e-6);
  for (float t : {0.5f, 0.75f, 1.0f})
    EXPECT_EQ(osc.value(4, t), 4) << t;

  ParabolaFrame parabola;
  for (float t : {0.0f, 0.5f, 1.0f})
    EXPECT_FLOAT_EQ(parabola.value(3, t), 3 + t * t);
  FinalFrame final(2);
  EXPECT_EQ(final.value(7, 0.5f), 7);
}

TEST(Frame, SaveWritesOnlyWhatDiffers) {
  FixedFrame fixed(1, TWEEN_LINEAR, 3);
  quip::Dictionary dict;
  fixed.save(dict);
  EXPECT_EQ(dict.count(), 2u);
  EXPECT_EQ(dict.lookup(SYM(L"time"))->number(), 1);
  EXPECT_EQ(dict.lookup(SYM(L"value"))->number(), 3);

  ValueFrame absolute(2, TWEEN_EASE_OUT, 4, false);
  quip::Dictionary v;
  absolute.save(v);
  EXPECT_EQ(v.lookup(SYM(L"type"))->symbol(), SYM(L"valueFrame"));
  EXPECT_EQ(v.lookup(SYM(L"tween"))->symbol(), SYM(L"easeOut"));
  EXPECT_EQ(v.lookup(SYM(L"mode"))->symbol(), SYM(L"absolute"));

  ValueFrame loaded;
  EXPECT_TRUE(loaded.load(v));
  EXPECT_EQ(loaded.time(), 2);
  EXPECT_EQ(loaded.tween(), TWEEN_EASE_OUT);
  EXPECT_FALSE(loaded.isRelative());
  EXPECT_EQ(loaded.targetValue(), 4);
}

TEST(Frame, LoadKeys) {
  quip::Dictionary dict;
  dict.set(SYM(L"time"), quip::Token(1.5f));
  dict.set(SYM(L"a"), quip::Token(2.0f));
  dict.set(SYM(L"exponent"), quip::Token(3.9f));
  dict.set(SYM(L"tween"), quip::Token(SYM(L"wobble"), false));
  ParabolaFrame parabola;
  parabola.setTween(TWEEN_EASE_IN);
  EXPECT_TRUE(parabola.load(dict));
  EXPECT_EQ(parabola.time(), 1.5f);
  EXPECT_EQ(parabola.tween(), TWEEN_LINEAR);
  EXPECT_FLOAT_EQ(parabola.value(1, 0.5f), 1 + 2 * 0.125f);

  // "time" is required; a wrong kind of token is not taken as a number.
  quip::Dictionary noTime;
  noTime.set(SYM(L"value"), quip::Token(5.0f));
  FixedFrame fixed;
  EXPECT_FALSE(fixed.load(noTime));
  EXPECT_EQ(fixed.value(0, 0), 5);
  quip::Dictionary textTime;
  textTime.set(SYM(L"time"), quip::Token(L"soon"));
  EXPECT_FALSE(fixed.load(textTime));
  EXPECT_EQ(fixed.time(), 0);
}

TEST(Frame, OscillatorAndParabolaSaveTheirParameters) {
  OscillatorFrame osc;
  osc.set(2, 0.5f, 3, 1, 0.25f);
  osc.setTime(1);
  ParabolaFrame parabola;
  parabola.set(0.5f, 2, 1, 3);
  const Frame *frames[] = {&osc, &parabola};
  for (const Frame *frame : frames) {
    quip::Dictionary dict;
    frame->save(dict);
    EXPECT_EQ(dict.lookup(SYM(L"type"))->symbol(), frame->getType());
    std::unique_ptr<Frame> back(frame->getType() == SYM(L"oscillatorFrame")
                                    ? static_cast<Frame *>(new OscillatorFrame)
                                    : new ParabolaFrame);
    EXPECT_TRUE(back->load(dict));
    for (float t : {0.0f, 0.4f, 1.0f})
      EXPECT_EQ(back->value(2, t), frame->value(2, t));
  }
}

TEST(Frame, CloneCopiesEveryField) {
  OscillatorFrame osc;
  osc.set(2, 0, 3, 0, 1);
  osc.setTime(4);
  std::unique_ptr<Frame> copy(osc.clone());
  EXPECT_EQ(copy->getType(), SYM(L"oscillatorFrame"));
  EXPECT_EQ(copy->time(), 4);
  EXPECT_EQ(copy->value(1, 0.5f), osc.value(1, 0.5f));
}
