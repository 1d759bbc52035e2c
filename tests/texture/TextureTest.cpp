#include "TextureFileBuilder.h"

#include "file/Database.h"
#include "framework/FrameworkTestSupport.h"
#include "quip/Dictionary.h"
#include "texture/TextureFormats.h"

#include <gtest/gtest.h>

using namespace texturetest;

namespace {

struct Textures : testing::Test {
  testing_support::TempFolder folder;
  Database database{Symbol::intern(L"textureTest"), L"."};
  TextureManager manager{&database};

  // Loads the file and returns what went to standard error meanwhile.
  std::string load(const std::string &bytes, bool *ok = nullptr) {
    folder.write("textures.dat", bytes);
    testing::internal::CaptureStderr();
    bool loaded = manager.loadMonolith(String::fromUtf8(folder.path("textures.dat").c_str()));
    if (ok)
      *ok = loaded;
    return testing::internal::GetCapturedStderr();
  }
  TextureSimple &simple(const wchar_t *name) {
    Texture *t = manager.find(Symbol::intern(name));
    EXPECT_NE(t, nullptr) << "no texture";
    return *static_cast<TextureSimple *>(t);
  }
  static size_t count(const std::string &text, const std::string &part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
      ++n;
    return n;
  }
};

bool magenta(const PixelBuffer &p, uint32_t side) {
  uint8_t r, g, b, a;
  p.getPixel(side - 1, side - 1, r, g, b, a);
  return p.width() == side && p.height() == side && r == 255 && g == 0 && b == 255;
}

} // namespace

TEST(TextureNames, FormatAndKindTables) {
  EXPECT_EQ(textureFormatFromName(Symbol::intern(L"jpeg")), TEXTURE_JPEG);
  EXPECT_EQ(textureFormatFromName(Symbol::intern(L"jpg")), TEXTURE_FORMAT_COUNT);
  EXPECT_EQ(textureFormatFromSuffix(L"JPG"), TEXTURE_JPEG);
  EXPECT_EQ(textureFormatFromSuffix(L"Ulv"), TEXTURE_ULV);
  EXPECT_EQ(textureFormatFromSuffix(L"gif"), TEXTURE_FORMAT_COUNT);
  EXPECT_STREQ(textureFormatSuffix(TEXTURE_JPEG), L"jpg");
  EXPECT_EQ(textureKindName(Texture::ANIMATED), Symbol::intern(L"animated"));
  EXPECT_EQ(textureKindFromName(Symbol::intern(L"static")), 2u);
}

TEST_F(Textures, MissingNamesGetOnePlaceholderReportedOnce) {
  testing::internal::CaptureStderr();
  Texture *first = manager.getTexture(Symbol::intern(L"nothing"));
  Texture *second = manager.getTexture(Symbol::intern(L"nothing"));
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(first, second);
  EXPECT_EQ(count(err, "Texture nothing not found in database textureTest.  Using placeholder."),
            1u)
      << err;
  auto *placeholder = static_cast<TextureSimple *>(first);
  EXPECT_TRUE(placeholder->placeholder());
  EXPECT_TRUE(magenta(*placeholder->pixels(), 8));
  EXPECT_EQ(placeholder->existingGLName(), 0u);

  manager.warnMissing = false;
  testing::internal::CaptureStderr();
  manager.getTexture(Symbol::intern(L"quiet"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  container::Vector<Symbol> names = manager.findNames(L"not");
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0], Symbol::intern(L"nothing"));
}

TEST_F(Textures, ListedImagesAreCheckedWhenDecoded) {
  TextureFileBuilder file;
  file.simple(L"wide", TEXTURE_PNG, 64, png(solid(64, 32, PixelBuffer::RGB888, 0, 255, 0)));
  file.simple(L"odd", TEXTURE_JPEG, 0, jpeg(solid(48, 48, PixelBuffer::RGB888, 0, 255, 0)));
  file.simple(L"big", TEXTURE_PNG, 64, png(solid(128, 128, PixelBuffer::RGB888, 0, 0, 255)));
  file.simple(L"junk", TEXTURE_PNG, 16, {'n', 'o', 'p', 'e'});
  file.simple(L"junkOdd", TEXTURE_JPEG, 12, {'n', 'o'});
  ASSERT_EQ(load(file.bytes()), "");
  ASSERT_EQ(manager.count(), 5u);
  // Nothing is decoded until asked for.
  EXPECT_FALSE(simple(L"wide").holdsPixels());

  struct Case {
    const wchar_t *name;
    std::vector<std::string> reports;
    uint32_t side;
    bool placeholder;
  } cases[] = {
      {L"wide", {"Texture wide is not square."}, 64, true},
      {L"odd", {"Texture odd size is not a power of two."}, 32, true},
      {L"big", {"Listed size (64) for texture big does not match loaded size: 128"}, 128, false},
      {L"junk", {"Texture junk image could not be decoded."}, 16, true},
      {L"junkOdd", {"Texture junkOdd image could not be decoded."}, 32, true},
  };
  for (const Case &c : cases) {
    testing::internal::CaptureStderr();
    PixelBuffer *image = simple(c.name).pixels();
    std::string err = testing::internal::GetCapturedStderr();
    for (const std::string &report : c.reports)
      EXPECT_NE(err.find(report), std::string::npos) << err;
    EXPECT_EQ(image->width(), c.side);
    EXPECT_EQ(magenta(*image, c.side), c.placeholder);
  }
  EXPECT_EQ(simple(L"odd").listedSize, 32u);
}

TEST_F(Textures, AnimatedFramesByNumberFormat) {
  TextureFileBuilder file;
  for (const wchar_t *name : {L"glow01", L"glow02", L"glow03", L"flame1", L"flame2"})
    file.simple(name, TEXTURE_PNG, 4, png(solid(4, 4, PixelBuffer::RGB888, 1, 2, 3)));
  file.animated(L"glow", L"glow", 3, L"%02d");
  file.animated(L"flame", L"flame", 4);
  file.animated(L"empty", L"none", 0);
  file.animated(L"evil", L"glow", 1, L"%s%n");
  std::string err = load(file.bytes());
  EXPECT_NE(err.find("Animated texture flame cannot find child texture flame3"), std::string::npos);
  EXPECT_NE(err.find("Animated texture flame cannot find child texture flame4"), std::string::npos);
  EXPECT_NE(err.find("Animated texture evil has an unusable number format: %s%n"),
            std::string::npos);

  auto &glow = static_cast<TextureAnimated &>(*manager.find(Symbol::intern(L"glow")));
  ASSERT_EQ(glow.frames().size(), 3u);
  EXPECT_EQ(glow.frames()[2]->name(), Symbol::intern(L"glow03"));
  auto &flame = static_cast<TextureAnimated &>(*manager.find(Symbol::intern(L"flame")));
  EXPECT_EQ(flame.frames().size(), 2u);
  auto &empty = static_cast<TextureAnimated &>(*manager.find(Symbol::intern(L"empty")));

  std::vector<uint32_t> seen;
  for (int i = 0; i < 4; ++i) {
    seen.push_back(glow.current());
    manager.update();
  }
  EXPECT_EQ(seen, (std::vector<uint32_t>{0, 1, 2, 0}));
  EXPECT_EQ(glow.currentFrame(), glow.frames()[1]);
  EXPECT_EQ(empty.current(), 0u);
  EXPECT_EQ(empty.currentFrame(), nullptr);

  // The definition keys, only where they differ from the defaults.
  quip::Dictionary d;
  glow.writeDefinition(d);
  EXPECT_EQ(d.count(), 3u);
  TextureAnimated copy(nullptr);
  copy.readDefinition(d);
  EXPECT_EQ(copy.numFrames, 3u);
  EXPECT_EQ(copy.numberFormat, String(L"%02d"));
  quip::Dictionary none;
  TextureAnimated(nullptr).writeDefinition(none);
  EXPECT_TRUE(none.isEmpty());
}

TEST_F(Textures, ColorAtWrapsIntoTheListedSize) {
  auto *pixels = new PixelBuffer(solid(4, 4, PixelBuffer::RGBA8888, 0, 0, 0, 0));
  pixels->setPixel(1, 2, 10, 20, 30, 40);
  TextureSimple texture(&database, Symbol::intern(L"made"), pixels);
  EXPECT_EQ(texture.listedSize, 4u);
  EXPECT_FALSE(texture.opaque);
  EXPECT_FALSE(texture.inMonolith);
  EXPECT_EQ(texture.colorAt(5, 6), math::PackedColor(10, 20, 30, 40));
  texture.listedSize = 0;
  EXPECT_EQ(texture.colorAt(9, 10), math::PackedColor(10, 20, 30, 40));
}

TEST_F(Textures, MissingOrEmptyFiles) {
  bool ok = true;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(manager.loadMonolith(String::fromUtf8(folder.path("absent.dat").c_str())));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Texture file cannot be opened"),
            std::string::npos);
  EXPECT_EQ(manager.count(), 0u);
  EXPECT_EQ(load(std::string(8, '\0'), &ok), "");
  EXPECT_TRUE(ok);
  EXPECT_EQ(manager.count(), 0u);
  EXPECT_TRUE(
      static_cast<TextureSimple *>(manager.getTexture(Symbol::intern(L"x")))->placeholder());
}

TEST_F(Textures, EveryTruncationStopsCleanlyKeepingWhatWasRead) {
  TextureFileBuilder file;
  file.simple(L"a", TEXTURE_PNG, 4, png(solid(4, 4, PixelBuffer::RGB888, 9, 9, 9)));
  file.simple(L"b", TEXTURE_ULV, 4, ulv(solid(4, 4, PixelBuffer::RGB888, 9, 9, 9), 1, true));
  file.animated(L"c", L"a", 0);
  const std::string bytes = file.bytes();
  uint32_t directory = 0;
  for (uint32_t cut = 0; cut < bytes.size(); ++cut) {
    TextureManager fresh(&database);
    folder.write("cut.dat", bytes.substr(0, cut));
    testing::internal::CaptureStderr();
    bool ok = fresh.loadMonolith(String::fromUtf8(folder.path("cut.dat").c_str()));
    std::string err = testing::internal::GetCapturedStderr();
    if (ok) {
      if (!directory)
        directory = cut;
      EXPECT_EQ(fresh.count(), 3u) << cut;
    } else {
      EXPECT_NE(err.find("is damaged"), std::string::npos) << cut;
      EXPECT_LE(fresh.count(), 2u) << cut;
    }
    // Drawing data that is cut off gives the placeholder or nothing, never a crash.
    if (Texture *b = fresh.find(Symbol::intern(L"b")))
      static_cast<TextureSimple *>(b)->pixels();
    if (Texture *a = fresh.find(Symbol::intern(L"a")))
      static_cast<TextureSimple *>(a)->pixels();
  }
  EXPECT_GT(directory, 0u);
}
