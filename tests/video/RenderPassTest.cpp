#include "FakeTextures.h"

#include "file/BufferBinary.h"
#include "file/Database.h"
#include "quip/Token.h"
#include "video/ColorValues.h"
#include "video/RenderPass.h"

#include <gtest/gtest.h>

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

quip::Token keyword(const wchar_t *text) { return quip::Token(sym(text), true); }

struct RenderPassTest : testing::Test {
  Database database{Symbol::intern(L"renderPassTest"), String(L".")};
  gltest::TextureScope textures;
  gltest::FakeTexture stone, glass;
  void SetUp() override {
    stone.name = sym(L"stone");
    glass.name = sym(L"glass");
    glass.opaque = false;
    textures.access.known = {&stone, &glass};
  }
};

} // namespace

TEST_F(RenderPassTest, DefaultsWriteNothingAndReadNothing) {
  video::RenderPass pass;
  quip::Dictionary d;
  pass.write(d);
  EXPECT_TRUE(d.isEmpty());
  pass.read(database, quip::Dictionary());
  EXPECT_TRUE(pass == video::RenderPass());
}

TEST_F(RenderPassTest, DictionaryRoundTrip) {
  video::RenderPass pass;
  pass.texture = gltest::asTexture(&stone);
  pass.blend = video::BLEND_ADDITIVE;
  pass.blendBehavior = video::ENABLE_ENABLE;
  pass.textureStyle = video::textureStyle::SUBTRACT_COLOR;
  pass.color = math::Color(0.5f, 0.25f, 1.0f, 0.75f);
  pass.lit = false;
  pass.cull = false;
  pass.depthTest = false;
  pass.depthWrite = false;
  pass.depthFunction = video::COMPARE_GREATER;
  pass.alphaTest = true;
  pass.alphaFunction = video::COMPARE_NOT_EQUAL;
  pass.alphaReference = 0.5f;
  quip::Dictionary d;
  pass.write(d);
  EXPECT_EQ(d.count(), 13u);
  // Keywords of blending and styles are executable names; texture and
  // compare names are literal.
  EXPECT_TRUE(d.lookup(sym(L"blend"))->isExecutable());
  EXPECT_TRUE(d.lookup(sym(L"textureStyle"))->isExecutable());
  EXPECT_FALSE(d.lookup(sym(L"texture"))->isExecutable());
  EXPECT_FALSE(d.lookup(sym(L"depthFunction"))->isExecutable());
  EXPECT_EQ(d.lookup(sym(L"depthFunction"))->symbol(), sym(L"greater"));
  EXPECT_EQ(d.lookup(sym(L"lit"))->symbol(), quip::falseSymbol());

  video::RenderPass back;
  back.read(database, d);
  EXPECT_TRUE(back == pass);
  EXPECT_EQ(back.texture, gltest::asTexture(&stone));
}

TEST_F(RenderPassTest, KeywordsOutsideTheTables) {
  quip::Dictionary d;
  d.set(sym(L"textureStyle"), keyword(L"sparkle"));
  d.set(sym(L"blend"), keyword(L"screen"));
  d.set(sym(L"depthFunction"), quip::Token(sym(L"sometimes"), false));
  d.set(sym(L"alphaFunction"), quip::Token(sym(L"rarely"), false));
  video::RenderPass pass;
  pass.alphaFunction = video::COMPARE_GREATER;
  pass.read(database, d);
  EXPECT_EQ(pass.textureStyle, video::textureStyle::NORMAL);
  EXPECT_EQ(pass.blend, 6); // draws as normal
  // A compare keyword outside the table never becomes an index.
  EXPECT_EQ(pass.depthFunction, video::COMPARE_LESS_OR_EQUAL);
  EXPECT_EQ(pass.alphaFunction, video::COMPARE_GREATER);

  // Nothing written back for the style or for a blend that draws as normal;
  // an enable mode outside the table behaves and writes as "disable".
  pass.alphaFunction = video::COMPARE_ALWAYS;
  pass.blendBehavior = 3;
  EXPECT_FALSE(pass.needsBlending());
  quip::Dictionary out;
  pass.write(out);
  EXPECT_EQ(out.count(), 1u);
  EXPECT_EQ(out.lookup(sym(L"blendBehavior"))->symbol(), sym(L"disable"));
}

TEST_F(RenderPassTest, ValuesOfTheWrongTypeAreIgnored) {
  quip::Dictionary d;
  d.set(sym(L"color"), quip::Token(1.0f));
  d.set(sym(L"blend"), quip::Token(3.0f));
  d.set(sym(L"alphaReference"), keyword(L"high"));
  d.set(sym(L"alphaTest"), quip::toToken(true));
  video::RenderPass pass;
  pass.read(database, d);
  EXPECT_TRUE(pass.color == math::Color::white);
  EXPECT_EQ(pass.blend, video::BLEND_NORMAL);
  EXPECT_EQ(pass.alphaReference, 0.0f);
  EXPECT_TRUE(pass.alphaTest);
  quip::Dictionary out;
  pass.write(out);
  EXPECT_EQ(out.count(), 1u);
  EXPECT_EQ(out.lookup(sym(L"alphaTest"))->symbol(), quip::trueSymbol());
}

TEST_F(RenderPassTest, Blending) {
  struct Case {
    gltest::FakeTexture *texture;
    float alpha;
    int blend, behavior;
    bool opaque, blends;
  } cases[] = {
      {&stone, 1.0f, video::BLEND_NORMAL, video::ENABLE_DEFAULT, true, false},
      {nullptr, 1.0f, video::BLEND_NORMAL, video::ENABLE_DEFAULT, true, false},
      {&stone, 0.5f, video::BLEND_NORMAL, video::ENABLE_DEFAULT, false, true},
      {&stone, 1.0f, video::BLEND_ADDITIVE, video::ENABLE_DEFAULT, false, true},
      {&glass, 1.0f, video::BLEND_NORMAL, video::ENABLE_DEFAULT, false, true},
      {&stone, 1.0f, video::BLEND_NORMAL, video::ENABLE_ENABLE, true, true},
      {&glass, 0.5f, video::BLEND_NORMAL, video::ENABLE_DISABLE, false, false},
  };
  for (const Case &c : cases) {
    video::RenderPass pass;
    pass.texture = c.texture ? gltest::asTexture(c.texture) : nullptr;
    pass.color.a = c.alpha;
    pass.blend = c.blend;
    pass.blendBehavior = c.behavior;
    EXPECT_EQ(pass.drawsOpaque(), c.opaque) << int(&c - cases);
    EXPECT_EQ(pass.needsBlending(), c.blends) << int(&c - cases);
  }
}

TEST_F(RenderPassTest, BinaryRecord) {
  video::RenderPass pass;
  pass.time = 2.5f;
  pass.texture = gltest::asTexture(&glass);
  pass.blend = video::BLEND_MODULATE;
  pass.textureStyle = video::textureStyle::PRIMARY_COLOR_OVERLAY;
  pass.color = math::Color(0.25f, 0.5f, 0.75f, 1.0f);
  pass.cull = false;
  pass.alphaTest = true;
  pass.alphaFunction = video::COMPARE_GREATER_OR_EQUAL;
  pass.alphaReference = 0.125f;
  file::BufferBinary out;
  pass.writeBinary(out);
  // f32, "glass" (width, 5 bytes, 0), 3 x u32, 16, 4 x 1, u32, 1, u32, f32, 1.
  EXPECT_EQ(out.size(), 4u + 7u + 12u + 16u + 4u + 4u + 1u + 4u + 4u + 1u);
  EXPECT_EQ(out.data()[4], 1); // one-byte characters
  EXPECT_EQ(out.data()[5], 'g');

  out.seek(0);
  video::RenderPass back;
  ASSERT_TRUE(back.readBinary(database, out));
  EXPECT_TRUE(back == pass);
  EXPECT_EQ(back.time, 2.5f);
  EXPECT_EQ(out.bytesRemaining(), 0u);

  // A record cut short changes nothing.
  file::BufferBinary shortRecord;
  shortRecord.receiveBytes(out.data(), out.size() - 3);
  shortRecord.seek(0);
  video::RenderPass untouched;
  EXPECT_FALSE(untouched.readBinary(database, shortRecord));
  EXPECT_TRUE(untouched == video::RenderPass());
  EXPECT_EQ(untouched.time, 0.0f);
}

TEST_F(RenderPassTest, BinaryCompareValuesOutsideTheTableReadAsDefaults) {
  video::RenderPass pass;
  pass.depthFunction = 200;
  pass.alphaFunction = 9;
  file::BufferBinary out;
  pass.writeBinary(out);
  out.seek(0);
  video::RenderPass back;
  back.depthFunction = video::COMPARE_NEVER;
  ASSERT_TRUE(back.readBinary(database, out));
  EXPECT_EQ(back.depthFunction, video::COMPARE_LESS_OR_EQUAL);
  EXPECT_EQ(back.alphaFunction, video::COMPARE_ALWAYS);
}

TEST_F(RenderPassTest, AnAnimationWithNoOneToReadItFailsTheRecord) {
  video::RenderPass pass;
  file::BufferBinary out;
  pass.writeBinary(out);
  out.data()[out.size() - 1] = 1; // "animation present"
  out.seek(0);
  video::RenderPass back;
  EXPECT_FALSE(back.readBinary(database, out));
}

TEST(ColorValues, FourNumbersOrNothing) {
  math::Color c(0.1f, 0.2f, 0.3f, 0.4f);
  quip::Token token = video::colorToken(c);
  math::Color back;
  ASSERT_TRUE(video::readColor(token, back));
  EXPECT_TRUE(back == c);
  quip::Array three(0);
  for (int i = 0; i < 3; ++i)
    three.append(quip::Token(1.0f));
  math::Color kept = math::Color::red;
  EXPECT_FALSE(video::readColor(quip::Token(three, false), kept));
  EXPECT_FALSE(video::readColor(quip::Token(1.0f), kept));
  EXPECT_TRUE(kept == math::Color::red);
}
