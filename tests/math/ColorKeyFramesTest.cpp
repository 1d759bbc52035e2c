#include "math/ColorKeyFrames.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "math/ColorScript.h"

#include <gtest/gtest.h>

using math::Color;
using math::ColorKeyFrame;
using math::ColorKeyFrames;

namespace {

ColorKeyFrame *frame(float position, const Color &color) {
  ColorKeyFrame *f = new ColorKeyFrame;
  f->position = position;
  f->color = color;
  return f;
}

} // namespace

TEST(ColorKeyFrames, Evaluate) {
  ColorKeyFrames frames;
  EXPECT_EQ(frames.evaluate(3), Color::white);
  frames.add(frame(0, Color::black));
  EXPECT_EQ(frames.evaluate(-5), Color::black);
  frames.add(frame(1, Color::white));
  EXPECT_EQ(frames.evaluate(0.5f), Color(0.5f, 0.5f, 0.5f, 1.0f));
  EXPECT_EQ(frames.evaluate(-1), Color::black);
  EXPECT_EQ(frames.evaluate(0), Color::black);
  EXPECT_EQ(frames.evaluate(1), Color::white);
  EXPECT_EQ(frames.evaluate(7), Color::white);

  // Interpolation is on all four components and not clamped.
  ColorKeyFrames wide;
  wide.add(frame(2, Color(0.0f, 0.0f, 0.0f, 0.0f)));
  wide.add(frame(4, Color(4.0f, 2.0f, 0.0f, 1.0f)));
  EXPECT_EQ(wide.evaluate(3), Color(2.0f, 1.0f, 0.0f, 0.5f));
  EXPECT_EQ(wide.evaluate(1), Color(0.0f, 0.0f, 0.0f, 0.0f));
}

TEST(ColorKeyFrames, DictionaryRoundTrip) {
  ColorKeyFrames frames;
  frames.add(frame(0, Color::white));
  frames.add(frame(0.5f, Color::red));
  quip::Dictionary dict;
  frames.save(dict);
  const quip::Token *list = dict.lookup(SYM(L"frames"));
  ASSERT_TRUE(list && list->isArray());
  ASSERT_EQ(list->array().count(), 2u);
  // Defaults are not written.
  EXPECT_TRUE(list->array()[0].dictionary().isEmpty());
  EXPECT_TRUE(list->array()[1].dictionary().lookup(SYM(L"position")));
  EXPECT_TRUE(list->array()[1].dictionary().lookup(SYM(L"color")));

  ColorKeyFrames loaded;
  loaded.add(frame(9, Color::blue));
  EXPECT_TRUE(loaded.load(dict));
  ASSERT_EQ(loaded.count(), 2u);
  EXPECT_EQ(loaded.frame(0).position, 0.0f);
  EXPECT_EQ(loaded.frame(0).color, Color::white);
  EXPECT_EQ(loaded.frame(1).position, 0.5f);
  EXPECT_EQ(loaded.frame(1).color, Color::red);

  // No "frames": the list is kept; an empty list writes nothing.
  quip::Dictionary empty;
  EXPECT_TRUE(loaded.load(empty));
  EXPECT_EQ(loaded.count(), 2u);
  ColorKeyFrames none;
  none.save(empty);
  EXPECT_TRUE(empty.isEmpty());
}

TEST(ColorKeyFrames, MalformedDictionary) {
  ColorKeyFrames frames;
  frames.add(frame(1, Color::blue));
  quip::Dictionary notArray;
  notArray.set(SYM(L"frames"), quip::Token(3.0f));
  EXPECT_FALSE(frames.load(notArray));
  EXPECT_EQ(frames.count(), 1u);

  quip::Array *list = new quip::Array(2);
  list->set(quip::Token(1.0f), 0);
  quip::Dictionary *good = new quip::Dictionary;
  good->set(SYM(L"position"), quip::Token(2.0f));
  good->set(SYM(L"color"), quip::Token(L"red"));
  list->set(quip::Token(good), 1);
  quip::Dictionary dict;
  dict.set(SYM(L"frames"), quip::Token(list, false));
  EXPECT_FALSE(frames.load(dict));
  ASSERT_EQ(frames.count(), 1u);
  EXPECT_EQ(frames.frame(0).position, 2.0f);
  EXPECT_EQ(frames.frame(0).color, Color::white);
}

TEST(ColorKeyFrames, BinaryRoundTripAndTruncation) {
  ColorKeyFrames frames;
  frames.add(frame(0.25f, Color::red));
  frames.add(frame(0.75f, Color(0.1f, 0.2f, 0.3f, 0.4f)));
  file::BufferBinary buffer;
  frames.write(buffer);
  ASSERT_EQ(buffer.size(), 4u + 2 * 20u);

  buffer.seek(0);
  ColorKeyFrames back;
  back.add(frame(5, Color::blue));
  EXPECT_TRUE(back.read(buffer));
  ASSERT_EQ(back.count(), 2u);
  EXPECT_EQ(back.frame(1).position, 0.75f);
  EXPECT_EQ(back.frame(1).color, Color(0.1f, 0.2f, 0.3f, 0.4f));

  // A count that promises more than the stream holds.
  buffer.resize(4 + 20 + 7);
  buffer.seek(0);
  ColorKeyFrames cut;
  EXPECT_FALSE(cut.read(buffer));
  EXPECT_EQ(cut.count(), 1u);
  EXPECT_FALSE(buffer.overrun());
}
