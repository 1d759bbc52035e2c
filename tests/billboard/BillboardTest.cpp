#include "framework/FrameworkTestSupport.h"

#include "billboard/Billboard2D.h"
#include "billboard/Billboard2DManager.h"
#include "billboard/Billboard3D.h"
#include "billboard/BillboardChannel.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"
#include "framework/CorvaneDatabase.h"
#include "quip/Token.h"
#include "support/NullCanvas.h"
#include "texture/TextureFileBuilder.h"
#include "video/QuadBatch.h"

#include <string>

using namespace testing_support;
using namespace texturetest;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

quip::Token numbers(std::initializer_list<float> values) {
  quip::Array a(uint32_t(values.size()));
  uint32_t i = 0;
  for (float v : values)
    a[i++] = quip::Token(v);
  return quip::Token(a, false);
}

std::string bytesOf(file::BufferBinary &b) {
  return std::string(reinterpret_cast<const char *>(b.data()), b.size());
}

// A database whose texture file holds a 64-pixel and a 4-pixel texture, and
// whose billboards script defines two prototypes.
struct BillboardTest : FrameworkTest {
  CorvaneDatabase *database = nullptr;

  void SetUp() override {
    FrameworkTest::SetUp();
    TextureFileBuilder file;
    file.simple(L"sprite", TEXTURE_PNG, 64, png(solid(64, 64, PixelBuffer::RGBA8888, 255, 0, 0)));
    file.simple(L"tile", TEXTURE_PNG, 4, png(solid(4, 4, PixelBuffer::RGB888, 0, 255, 0)));
    folder.write("ship/mediaPalm/textures.dat", file.bytes());
    folder.write("config/billboards.!",
                 "[ centred: (texture: sprite:)\n"
                 "  corner: (texture: sprite: centered: false: center: [2 3])\n"
                 "  tile: (texture: sprite: size: [5 5]) ]\n");
    database = corvaneDatabase();
    testing::internal::CaptureStderr();
    database->loadAll(CorvaneDatabase::LOAD_TEXTURES | CorvaneDatabase::LOAD_BILLBOARDS);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.find("WARNING"), std::string::npos) << err;
    EXPECT_EQ(manager().count(), 4u) << err;
  }
  Billboard2DManager &manager() { return database->billboard2DManager(); }
};

} // namespace

TEST_F(BillboardTest, FlipsOriginsAndSubRectangles) {
  EXPECT_EQ(Billboard::parseFlip(L"hv"), 3u);
  EXPECT_EQ(Billboard::parseFlip(L"xyz"), 0u);
  Billboard2D b(database, sym(L"centred"));
  quip::Dictionary d;
  d.set(sym(L"flip"), quip::Token(L"hv"));
  d.set(sym(L"subRect"), numbers({0, 32, 0, 16}));
  b.read(database, d);
  quip::Dictionary out;
  b.write(out);
  EXPECT_EQ(out.lookup(sym(L"flip"))->string(), String(L"HV"));
  const math::Vector2 expected[4] = {{0, 0}, {0, 0.25f}, {0.5f, 0.25f}, {0.5f, 0}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(b.texCoords[i].x, expected[i].x) << i;
    EXPECT_FLOAT_EQ(b.texCoords[i].y, expected[i].y) << i;
  }
  b.setSubRect(2, 4, 0, 64); // 2.5 rounds to 2 in the dictionary form
  quip::Dictionary half;
  half.set(sym(L"subRect"), numbers({2.5f, 4, 0, 64}));
  Billboard2D c(database, sym(L"centred"));
  c.read(database, half);
  EXPECT_FLOAT_EQ(c.texCoords[0].x, b.texCoords[0].x);

  // Flipped texture coordinates swap u and v pairs.
  math::Vector2 flipped[4];
  c.flip(Billboard::FLIP_HORIZONTAL);
  c.getTexCoords(flipped);
  EXPECT_FLOAT_EQ(flipped[0].x, c.texCoords[3].x);

  Billboard2D o;
  o.size = math::Vector2(10, 20);
  o.storedOrigin = math::Vector2(2, 3);
  o.flip(3);
  EXPECT_EQ(o.origin().x, 2.0f); // centred keeps it
  o.centered = false;
  EXPECT_EQ(o.origin().x, 8.0f);
  EXPECT_EQ(o.origin().y, 17.0f);
}

TEST_F(BillboardTest, RecordsKeepOnlyWhatDiffersFromThePrototype) {
  Billboard2D same(database, sym(L"centred"));
  file::BufferBinary out;
  same.writeBinary(database, out);
  file::BufferBinary expected;
  file::write(uint8_t(1), expected);
  file::write(sym(L"centred"), expected);
  file::write(uint8_t(255), expected);
  EXPECT_EQ(bytesOf(out), bytesOf(expected));

  // Not centred: code 8 even when the prototype is not centred either.
  Billboard2D corner(database, sym(L"corner"));
  file::BufferBinary cornerOut;
  corner.writeBinary(database, cornerOut);
  EXPECT_EQ(cornerOut.size(), expected.size() - 7 + 6 + 2) << "code 8 and its byte";

  Billboard2D changed(database, sym(L"corner"));
  changed.position = math::Vector2(5, 6);
  changed.initialColor = math::Color(1.0f, 0.5f, 0.5f, 1.0f);
  changed.flip(Billboard::FLIP_VERTICAL);
  file::BufferBinary record;
  changed.writeBinary(database, record);
  record.seek(0);
  Billboard2D back;
  ASSERT_TRUE(back.readBinary(database, record));
  EXPECT_EQ(back.position.y, 6.0f);
  EXPECT_EQ(back.initialColor.g, 0.5f);
  EXPECT_EQ(back.flipFlags(), 2u);
  EXPECT_FALSE(back.centered);
  EXPECT_EQ(back.storedOrigin.x, 2.0f);
  EXPECT_EQ(back.prototype(), sym(L"corner"));

  // Every truncation fails cleanly.
  for (uint32_t n = 0; n < record.size(); ++n) {
    file::BufferBinary cut;
    cut.receiveBytes(record.data(), n);
    cut.seek(0);
    Billboard2D partial;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(partial.readBinary(database, cut)) << n;
    testing::internal::GetCapturedStderr();
  }
}

TEST_F(BillboardTest, AnUnknownCodeEndsTheRecordWithAnError) {
  file::BufferBinary record;
  file::write(uint8_t(1), record);
  file::write(sym(L"centred"), record);
  file::write(uint8_t(3), record);
  file::write(45.0f, record);
  file::write(uint8_t(40), record); // no billboard knows it
  file::write(uint8_t(3), record);
  file::write(90.0f, record);
  file::write(uint8_t(255), record);
  record.seek(0);
  Billboard2D b;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(b.readBinary(database, record));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("unknown field code"), std::string::npos);
  EXPECT_EQ(b.initialRotation, 45.0f); // nothing after the code was taken

  // A 3-D billboard knows its own codes.
  file::BufferBinary three;
  Billboard3D placed(database, sym(L"centred"));
  placed.position = math::Vector3(1, 2, 3);
  placed.alignment = 1;
  placed.writeBinary(database, three);
  three.seek(0);
  Billboard3D back;
  ASSERT_TRUE(back.readBinary(database, three));
  EXPECT_EQ(back.position.z, 3.0f);
  EXPECT_EQ(back.alignment, 1);
}

TEST_F(BillboardTest, ThreeDimensionalSettings) {
  Billboard3D plain(database, sym(L"centred"));
  file::BufferBinary out;
  plain.writeBinary(database, out);
  file::BufferBinary expected; // no code 11 to 17 at the 3-D defaults
  file::write(uint8_t(1), expected);
  file::write(sym(L"centred"), expected);
  file::write(uint8_t(255), expected);
  EXPECT_EQ(bytesOf(out), bytesOf(expected));

  quip::Dictionary d;
  d.set(sym(L"prototype"), quip::Token(sym(L"corner"), false));
  d.set(sym(L"alignment"), quip::Token(sym(L"faceCamera"), false));
  d.set(sym(L"depthTest"), quip::boolToken(true));
  Billboard3D b;
  b.read(database, d);
  EXPECT_EQ(b.alignment, 2);
  EXPECT_TRUE(b.depthTest);
  EXPECT_FALSE(b.depthWrite);
  EXPECT_FALSE(b.centered); // the look comes from the prototype
  d.set(sym(L"alignment"), quip::Token(sym(L"sideways"), false));
  b.read(database, d);
  EXPECT_EQ(b.alignment, 2);
  quip::Dictionary w;
  b.write(w);
  EXPECT_EQ(w.lookup(sym(L"alignment"))->symbol(), sym(L"faceCamera"));
  EXPECT_EQ(w.lookup(sym(L"depthWrite")), nullptr);
}

TEST_F(BillboardTest, ManagerPlaceholdersAndTexturePrototypes) {
  Billboard2DManager &m = manager();
  // A definition wins over the texture prototype of the same name.
  ASSERT_TRUE(m.contains(sym(L"tile")));
  EXPECT_EQ(m.billboard(sym(L"tile"))->size.x, 5.0f);
  // A texture without a definition is a billboard of its size.
  ASSERT_TRUE(m.contains(sym(L"sprite")));
  EXPECT_EQ(m.billboard(sym(L"sprite"))->size.x, 64.0f);

  testing::internal::CaptureStderr();
  Billboard2D *first = m.billboard(sym(L"nowhere"));
  Billboard2D *second = m.billboard(sym(L"nowhere"));
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(first, second);
  EXPECT_TRUE(first->placeholder);
  EXPECT_NE(err.find("Billboard nowhere not found in database framework.  Using placeholder."),
            std::string::npos)
      << err;
  EXPECT_EQ(err.find("Billboard nowhere", err.find("Billboard nowhere") + 1), std::string::npos);

  // An empty binary file leaves the texture prototypes only.
  file::BufferBinary empty;
  EXPECT_TRUE(m.loadBinary(empty));
  EXPECT_EQ(m.findNames(String()).size(), 2u);
  // A file of records; a broken one ends the load and keeps the ones before.
  file::BufferBinary records;
  file::write(sym(L"a"), records);
  Billboard2D(database, sym(L"sprite")).writeBinary(database, records);
  file::write(sym(L"b"), records);
  file::write(uint8_t(0), records);
  file::write(sym(L"sprite"), records);
  file::write(uint8_t(99), records);
  records.seek(0);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(m.loadBinary(records));
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(m.contains(sym(L"a")));
  EXPECT_FALSE(m.contains(sym(L"b")));
}

TEST_F(BillboardTest, AnUnsizedTextureWaitsForItsImage) {
  // A run-time texture that lists no size and holds no image yet.
  auto *texture = new TextureSimple(database, sym(L"late"), nullptr);
  database->textureManager().addTexture(texture);
  Billboard2D b(texture);
  b.setSubRect(0, 4, 0, 2);
  EXPECT_EQ(b.size.x, 0.0f);
  EXPECT_EQ(b.texCoords[2].x, 1.0f); // kept as given until the width is known
  PixelBuffer *pixels = new PixelBuffer(solid(8, 8, PixelBuffer::RGBA8888, 0, 0, 255));
  pixels->setPixel(7, 0, 255, 255, 0, 255);
  texture->setPixels(pixels);
  texture->listedSize = 0;
  b.settle();
  EXPECT_EQ(b.size.x, 8.0f);
  EXPECT_FLOAT_EQ(b.texCoords[2].x, 0.5f);
  EXPECT_FLOAT_EQ(b.texCoords[2].y, 0.25f);

  // The hit test reads the pixel under the point, not pixel (0, 0).
  Billboard2D full(texture);
  full.settle();
  math::Color c;
  ASSERT_TRUE(full.colorAt(math::Vector2(3.9f, 3.9f), c)); // top-right corner
  EXPECT_EQ(c.g, 1.0f);
  ASSERT_TRUE(full.colorAt(math::Vector2(-3.9f, 3.9f), c));
  EXPECT_EQ(c.g, 0.0f);
  EXPECT_FALSE(full.colorAt(math::Vector2(5, 0), c));
}

TEST_F(BillboardTest, WithoutTextureNothingIsDrawn) {
  NullCanvas canvas;
  Billboard2D nothing;
  nothing.size = math::Vector2(4, 4);
  nothing.render(canvas);
  Billboard3D none;
  none.render(canvas);
  EXPECT_EQ(canvas.quadBatch().vertexCount(), 0);
  math::Color c;
  EXPECT_FALSE(nothing.colorAt(math::Vector2(), c));
}

TEST_F(BillboardTest, BoundingRectangleAndQuad) {
  Billboard2D b(database, sym(L"corner"));
  b.size = math::Vector2(10, 20);
  b.position = math::Vector2(100, 100);
  math::Rectangle r = b.boundingRectangle();
  EXPECT_EQ(r.x, 98.0f);
  EXPECT_EQ(r.y, 97.0f);
  EXPECT_EQ(r.width, 10.0f);
  EXPECT_EQ(r.height, 20.0f);
}

TEST_F(BillboardTest, Channels) {
  quip::Dictionary frame;
  frame.set(sym(L"time"), quip::Token(0.5f));
  quip::Dictionary look;
  look.set(sym(L"prototype"), quip::Token(sym(L"centred"), false));
  frame.set(sym(L"billboard"), quip::Token(look));
  quip::Array frames(1);
  frames[0] = quip::Token(frame);
  quip::Dictionary d;
  d.set(sym(L"frames"), quip::Token(frames, false));
  BillboardChannel channel;
  testing::internal::CaptureStderr();
  EXPECT_EQ(channel.read(database, d), 2u);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "WARNING - Inserting empty billboard frame at time zero.\n");
  EXPECT_EQ(channel.billboardAt(0.2f), nullptr);
  ASSERT_NE(channel.billboardAt(0.7f), nullptr);
  EXPECT_EQ(channel.billboardAt(0.7f)->prototype(), sym(L"centred"));

  // Binary round trip.
  file::BufferBinary out;
  channel.writeBinary(database, out);
  out.seek(0);
  BillboardChannel back;
  ASSERT_TRUE(back.readBinary(database, out));
  EXPECT_EQ(back.frameCount(), 2u);
  EXPECT_EQ(back.frame(1).time, 0.5f);

  BillboardChannel looping;
  looping.loop = true;
  looping.appendFrame(new BillboardFrame(0.0f, nullptr));
  looping.appendFrame(new BillboardFrame(2.0f, nullptr));
  looping.setAge(5.0f);
  EXPECT_FLOAT_EQ(looping.age(), 1.0f);
  EXPECT_FALSE(looping.isEmpty());
}
