#include "math/Channel.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "math/FinalFrame.h"
#include "math/FixedFrame.h"
#include "math/ValueFrame.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

#include <memory>

using namespace math;

namespace {

// Fixed 0 at 0, fixed 10 at 2, final at 4.
void fillRamp(Channel &c) {
  c.addFrame(new FixedFrame(0, TWEEN_LINEAR, 0));
  c.addFrame(new FixedFrame(2, TWEEN_LINEAR, 10));
  c.addFrame(new FinalFrame(4));
}

// Relative +1 at 0, final at 1.
void fillStep(Channel &c) {
  c.addFrame(new ValueFrame(0, TWEEN_LINEAR, 1, true));
  c.addFrame(new FinalFrame(1));
}

} // namespace

TEST(Channel, EvaluateBeforeAtAndAfterFrames) {
  Channel empty;
  EXPECT_EQ(empty.evaluate(7, 3), 7);
  EXPECT_EQ(empty.frameAt(1), nullptr);

  Channel ramp;
  fillRamp(ramp);
  struct Case {
    float time, expected;
  } cases[] = {{-1, 99}, {0, 0}, {1, 5}, {2, 10}, {3, 10}, {4, 10}, {5, 10}};
  for (const Case &c : cases)
    EXPECT_FLOAT_EQ(ramp.evaluate(99, c.time), c.expected) << c.time;
  EXPECT_EQ(ramp.duration(), 4);

  Channel step;
  fillStep(step);
  EXPECT_FLOAT_EQ(step.evaluate(3, 0.5f), 3.5f);
  EXPECT_FLOAT_EQ(step.evaluate(3, 1), 4);
  EXPECT_FLOAT_EQ(step.evaluate(3, 9), 4);
}

TEST(Channel, Loops) {
  Channel step;
  fillStep(step);
  step.setLoop(true);
  EXPECT_FLOAT_EQ(step.evaluate(3, 1.5f), 3.5f);
  EXPECT_FLOAT_EQ(step.evaluate(3, -0.25f), 3.75f);
  EXPECT_FLOAT_EQ(step.evaluate(3, 2), 3);
  // frameAt wraps into (0, d]: a whole number of durations lands on the end.
  EXPECT_EQ(step.frameAt(2), step.frame(1));
  EXPECT_EQ(step.frameAt(1.5f), step.frame(0));
  EXPECT_EQ(step.frameAt(-3), step.frame(0));
  // A long-running clock against a short loop still answers.
  Channel fast;
  fast.setLoop(true);
  fast.addFrame(new FixedFrame(0, TWEEN_LINEAR, 0));
  fast.addFrame(new FinalFrame(0.001f));
  EXPECT_NE(fast.frameAt(1e9f), nullptr);

  // Frames all at time 0: no wrapping.
  Channel flat;
  flat.setLoop(true);
  flat.addFrame(new ValueFrame(0, TWEEN_LINEAR, 2, false));
  flat.addFrame(new FinalFrame(0));
  EXPECT_EQ(flat.evaluate(1, 5), 2);
  EXPECT_EQ(flat.frameAt(5), flat.frame(1));
}

TEST(Channel, OneFrameAndEqualTimes) {
  Channel one;
  one.addFrame(new ValueFrame(1, TWEEN_LINEAR, 2, true));
  EXPECT_EQ(one.evaluate(5, 0.5f), 5);
  for (float t : {1.0f, 3.0f, 100.0f})
    EXPECT_EQ(one.evaluate(5, t), 5);

  // The earlier of two frames at one time is applied at progress 1.
  Channel same;
  same.addFrame(new ValueFrame(0, TWEEN_LINEAR, 1, true));
  same.addFrame(new ValueFrame(1, TWEEN_LINEAR, 10, true));
  same.addFrame(new ValueFrame(1, TWEEN_LINEAR, 100, true));
  same.addFrame(new FinalFrame(2));
  EXPECT_FLOAT_EQ(same.evaluate(0, 1.5f), 1 + 10 + 50);
}

TEST(Channel, InsertRemoveRelinksAndClone) {
  Channel c;
  c.addFrame(new FixedFrame(0, TWEEN_LINEAR, 0));
  c.addFrame(new FinalFrame(2));
  EXPECT_EQ(c.evaluate(0, 1), 0);
  c.insertFrame(new FixedFrame(1, TWEEN_LINEAR, 10), 1);
  ASSERT_EQ(c.frameCount(), 3u);
  EXPECT_FLOAT_EQ(c.evaluate(0, 0.5f), 5);
  c.insertFrame(new FinalFrame(3), 99);
  EXPECT_EQ(c.frameCount(), 4u);
  c.removeFrame(3);
  c.removeFrame(42);
  c.removeFrame(1);
  ASSERT_EQ(c.frameCount(), 2u);
  // The first frame tweens to the final frame again, which holds.
  EXPECT_FLOAT_EQ(c.evaluate(0, 1), 0);

  c.setLoop(true);
  std::unique_ptr<Channel> copy(c.clone());
  EXPECT_TRUE(copy->loop());
  ASSERT_EQ(copy->frameCount(), 2u);
  EXPECT_NE(copy->frame(0), c.frame(0));
  EXPECT_EQ(copy->evaluate(0, 0.5f), c.evaluate(0, 0.5f));
}

TEST(Channel, DictionaryRoundTrip) {
  Channel c;
  c.setLoop(true);
  c.addFrame(new FixedFrame(0, TWEEN_EASE_IN, 1));
  c.addFrame(new ValueFrame(1, TWEEN_LINEAR, 2, true));
  c.addFrame(new FinalFrame(2));
  quip::Dictionary dict;
  c.save(dict);
  EXPECT_EQ(dict.lookup(SYM(L"loop"))->symbol(), SYM(L"true"));

  Channel back;
  EXPECT_TRUE(back.load(dict));
  EXPECT_TRUE(back.loop());
  ASSERT_EQ(back.frameCount(), 3u);
  EXPECT_EQ(back.frame(0)->getType(), SYM(L"fixedFrame"));
  EXPECT_EQ(back.frame(1)->getType(), SYM(L"valueFrame"));
  EXPECT_EQ(back.frame(2)->getType(), SYM(L"finalFrame"));
  for (float t : {0.0f, 0.3f, 1.2f, 1.9f})
    EXPECT_FLOAT_EQ(back.evaluate(2, t), c.evaluate(2, t));

  Channel plain;
  quip::Dictionary saved;
  plain.save(saved);
  EXPECT_TRUE(saved.isEmpty());
}

TEST(Channel, MalformedDictionary) {
  Channel c;
  fillRamp(c);
  quip::Dictionary notArray;
  notArray.set(SYM(L"frames"), quip::Token(1.0f));
  EXPECT_FALSE(c.load(notArray));
  EXPECT_EQ(c.frameCount(), 3u);

  // Unknown type, no time, not a dictionary: each skipped, the rest kept.
  quip::Array *list = new quip::Array(4);
  auto frameDict = [](float time, const wchar_t *type) {
    quip::Dictionary *d = new quip::Dictionary;
    if (time >= 0)
      d->set(SYM(L"time"), quip::Token(time));
    if (type)
      d->set(SYM(L"type"), quip::Token(Symbol::intern(type), false));
    return quip::Token(d);
  };
  list->set(frameDict(0, nullptr), 0);
  list->set(frameDict(1, L"springFrame"), 1);
  list->set(frameDict(-1, L"finalFrame"), 2);
  list->set(quip::Token(2.0f), 3);
  quip::Dictionary dict;
  dict.set(SYM(L"frames"), quip::Token(list, false));
  EXPECT_FALSE(c.load(dict));
  ASSERT_EQ(c.frameCount(), 1u);
  EXPECT_EQ(c.frame(0)->getType(), SYM(L"fixedFrame"));
}

TEST(Channel, BinaryForm) {
  Channel c;
  c.setLoop(true);
  c.addFrame(new FixedFrame(0, TWEEN_EASE_OUT, 1));
  c.addFrame(new FixedFrame(2, TWEEN_LINEAR, 3));
  file::BufferBinary buffer;
  ASSERT_TRUE(c.write(buffer));
  ASSERT_EQ(buffer.size(), 1u + 2u + 2 * 9u);
  EXPECT_EQ(buffer.data()[0], 1);
  EXPECT_EQ(buffer.data()[1], 2);
  EXPECT_EQ(buffer.data()[2], 0);
  EXPECT_EQ(buffer.data()[3 + 4], TWEEN_EASE_OUT);

  buffer.seek(0);
  Channel back;
  back.addFrame(new FixedFrame(-1, TWEEN_LINEAR, 7));
  EXPECT_TRUE(back.read(buffer));
  EXPECT_TRUE(back.loop());
  ASSERT_EQ(back.frameCount(), 3u);
  EXPECT_EQ(back.frame(2)->time(), 2);
  EXPECT_FLOAT_EQ(back.evaluate(0, 1), c.evaluate(0, 1));

  // Truncated: the whole frames before the cut are kept.
  buffer.resize(3 + 9 + 4);
  buffer.seek(0);
  Channel cut;
  EXPECT_FALSE(cut.read(buffer));
  EXPECT_EQ(cut.frameCount(), 1u);
  EXPECT_FALSE(buffer.overrun());

  // Other kinds have no binary form: refused, nothing written.
  Channel mixed;
  fillStep(mixed);
  file::BufferBinary none;
  EXPECT_FALSE(mixed.write(none));
  EXPECT_EQ(none.size(), 0u);
}
