#include "FrameworkTestSupport.h"

#include "framework/CorvaneDatabase.h"
#include "framework/TextureAssets.h"
#include "texture/TextureFileBuilder.h"
#include "texture/TexturePool.h"
#include "video/TextureAccess.h"

using namespace testing_support;
using namespace texturetest;

TEST_F(FrameworkTest, TheFirstLoadStepReadsTheTargetsTextureFile) {
  TextureFileBuilder file;
  for (const wchar_t *name : {L"spark1", L"spark2", L"spark3"})
    file.simple(name, TEXTURE_PNG, 4, png(solid(4, 4, PixelBuffer::RGB888, 1, 2, 3)));
  file.animated(L"spark", L"spark", 3);
  folder.write("ship/mediaPalm/textures.dat", file.bytes());

  CorvaneDatabase &database = *corvaneDatabase();
  testing::internal::CaptureStderr();
  database.beginLoad();
  database.loadDatabase(CorvaneDatabase::LOAD_TEXTURES);
  EXPECT_EQ(testing::internal::GetCapturedStderr().find("WARNING"), std::string::npos);
  TextureManager &textures = database.textureManager();
  ASSERT_EQ(textures.count(), 4u);
  EXPECT_TRUE(database.manager(CorvaneDatabase::TEXTURES).contains(Symbol::intern(L"spark2")));

  // Rendering finds textures by name through the installed answers.
  Texture *spark = video::findTexture(database, Symbol::intern(L"spark"));
  ASSERT_NE(spark, nullptr);
  EXPECT_EQ(video::textureName(spark), Symbol::intern(L"spark"));
  auto &animated = static_cast<TextureAnimated &>(*spark);

  // One frame advances per running update, none while loading.
  framework->update(0.03f);
  EXPECT_EQ(animated.current(), 0u);
  testing::internal::CaptureStderr();
  framework->setState(FRAMEWORK_RUNNING);
  testing::internal::GetCapturedStderr();
  framework->update(0.03f);
  framework->update(0.03f);
  EXPECT_EQ(animated.current(), 2u);
}

TEST_F(FrameworkTest, WithoutATextureFileEveryNameDrawsItsPlaceholder) {
  CorvaneDatabase &database = *corvaneDatabase();
  testing::internal::CaptureStderr();
  database.loadAll(CorvaneDatabase::LOAD_TEXTURES);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Texture file cannot be opened: '" + folder.path() +
                     "/ship/mediaPalm/textures.dat'"),
            std::string::npos)
      << err;
  testing::internal::CaptureStderr();
  Texture *missing = video::findTexture(database, Symbol::intern(L"corvanePointer"));
  testing::internal::GetCapturedStderr();
  ASSERT_NE(missing, nullptr);
  EXPECT_TRUE(missing->placeholder());
  EXPECT_TRUE(video::textureIsOpaque(missing));
}

TEST_F(FrameworkTest, TheFrameworksTexturePoolNamesItsTextures) {
  TexturePool &pool = framework->texturePool();
  EXPECT_EQ(&pool, &framework->texturePool());
  TextureSimple *first = pool.acquire(8, PixelBuffer::RGBA8888, true);
  TextureSimple *second = pool.acquire(8, PixelBuffer::RGBA8888, true);
  EXPECT_EQ(first->name(), Symbol::intern(L"frameworkTexturePool0"));
  EXPECT_EQ(second->name(), Symbol::intern(L"frameworkTexturePool1"));
  EXPECT_EQ(corvaneDatabase()->textureManager().find(second->name()), second);
}
