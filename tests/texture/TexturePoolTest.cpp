#include "texture/TexturePool.h"

#include "file/Database.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Pool : testing::Test {
  Database database{Symbol::intern(L"poolTest"), L"."};
  TextureManager manager{&database};
  TexturePool pool{&database, L"frameworkTexturePool"};

  TextureSimple &source(const wchar_t *name, int format) {
    auto *pixels = new PixelBuffer;
    pixels->create(2, 2, format);
    pixels->setPixel(0, 0, 255, 0, 0, 255);
    pixels->setPixel(1, 0, 0, 255, 0, 128);
    pixels->setPixel(0, 1, 0, 0, 255, 0);
    pixels->setPixel(1, 1, 200, 100, 50, 255);
    auto *texture = new TextureSimple(&database, Symbol::intern(name), pixels);
    manager.addTexture(texture);
    return *texture;
  }
};

} // namespace

TEST_F(Pool, NamesCountUpAndReleasedTexturesAreReused) {
  TextureSimple *first = pool.acquire(16, PixelBuffer::RGBA8888, true);
  TextureSimple *second = pool.acquire(16, PixelBuffer::RGBA8888, false);
  EXPECT_EQ(first->name(), Symbol::intern(L"frameworkTexturePool0"));
  EXPECT_EQ(second->name(), Symbol::intern(L"frameworkTexturePool1"));
  EXPECT_EQ(manager.find(first->name()), first);
  EXPECT_EQ(first->pixels()->width(), 16u);
  EXPECT_FALSE(second->holdsPixels());

  pool.release(first);
  EXPECT_EQ(pool.acquire(16, PixelBuffer::RGB565, true)->name(),
            Symbol::intern(L"frameworkTexturePool2"));
  EXPECT_EQ(pool.acquire(16, PixelBuffer::RGBA8888, true), first);
  pool.release(second);
  EXPECT_EQ(pool.acquire(16, PixelBuffer::RGBA8888, false), second);
  EXPECT_EQ(pool.freeCount(), 0u);
  pool.release(second);
  pool.release(second);
  EXPECT_EQ(pool.freeCount(), 1u);
}

TEST_F(Pool, AdjustedCopies) {
  TextureSimple &src = source(L"tile", PixelBuffer::RGBA8888);
  src.wrap = false;
  TextureSimple *copy = pool.makeAdjusted(Symbol::intern(L"tile"), 0, 0, 0, false);
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->pixels()->byteSize(), src.pixels()->byteSize());
  EXPECT_EQ(memcmp(copy->pixels()->data(), src.pixels()->data(), 16), 0);
  EXPECT_FALSE(copy->wrap);

  TextureSimple *turned = pool.makeAdjusted(Symbol::intern(L"tile"), 360, 0, 0, false);
  EXPECT_EQ(memcmp(turned->pixels()->data(), src.pixels()->data(), 16), 0);

  TextureSimple *dark = pool.makeAdjusted(Symbol::intern(L"tile"), 0, 0, -1, false);
  uint8_t r, g, b, a;
  dark->pixels()->getPixel(1, 0, r, g, b, a);
  EXPECT_EQ(r + g + b, 0);
  EXPECT_EQ(a, 128);

  TextureSimple *premultiplied = pool.makeAdjusted(Symbol::intern(L"tile"), 0, 0, 0.0f, true);
  premultiplied->pixels()->getPixel(1, 0, r, g, b, a);
  EXPECT_EQ(g, 128);
}

TEST_F(Pool, TwoByteFormatsAreAdjustedAsPixels) {
  TextureSimple &src = source(L"small", PixelBuffer::RGB565);
  TextureSimple *turned = pool.makeAdjusted(Symbol::intern(L"small"), 120, 0, 0, false);
  ASSERT_EQ(turned->pixels()->format(), PixelBuffer::RGB565);
  uint8_t r, g, b, a;
  turned->pixels()->getPixel(0, 0, r, g, b, a); // red turned green
  EXPECT_EQ(r, 0);
  EXPECT_EQ(g, 248);
  EXPECT_EQ(b, 0);
  src.pixels()->getPixel(1, 1, r, g, b, a);
  EXPECT_EQ(r, 200);
}
