#include "support/GLFixture.h"

#include "quip/Token.h"
#include "video/BufferObject.h"
#include "video/ColorValues.h"
#include "video/Material.h"
#include "video/OpenGLFunctions.h"

TEST(Material, DefaultsAndDifferences) {
  video::Material material;
  material.read(quip::Dictionary());
  EXPECT_TRUE(material == video::Material());
  quip::Dictionary empty;
  material.write(empty);
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_TRUE(material.isOpaque());

  material.specular.a = 0.5f;
  EXPECT_FALSE(material.isOpaque());
  material.shininess = 20.0f;
  material.emission = math::Color(0.1f, 0.0f, 0.0f, 1.0f);
  quip::Dictionary d;
  material.write(d);
  EXPECT_EQ(d.count(), 3u);
  EXPECT_EQ(d.lookup(Symbol::intern(L"ambient")), nullptr);

  video::Material back;
  back.read(d);
  EXPECT_TRUE(back == material);
  EXPECT_FALSE(back == video::Material());
}

TEST(BufferObjects, PoolNamesAndRelease) {
  gltest::canvas();
  video::BufferObjectPool &pool = video::BufferObjectPool::instance();
  uint32_t before = pool.size();
  video::BufferObject *a = pool.create();
  video::BufferObject *b = pool.create();
  EXPECT_EQ(a->name(), 0u);
  a->generate();
  b->generate();
  ASSERT_NE(a->name(), 0u);
  OpenGLFunctions::bindBuffer(GL_ARRAY_BUFFER, a->name());
  const float data[3] = {1, 2, 3};
  OpenGLFunctions::bufferData(GL_ARRAY_BUFFER, sizeof data, data, GL_STATIC_DRAW);
  OpenGLFunctions::bindBuffer(GL_ARRAY_BUFFER, 0);
  GLuint name = a->name();
  EXPECT_TRUE(glIsBuffer(name));

  pool.releaseAll();
  EXPECT_EQ(a->name(), 0u);
  EXPECT_FALSE(glIsBuffer(name));
  pool.releaseAll(); // nothing left to delete
  EXPECT_EQ(pool.size(), before + 2);

  // The render-state reset after a mode set drops every name too.
  b->generate();
  gltest::freshContext();
  EXPECT_EQ(b->name(), 0u);

  video::BufferObject stranger;
  pool.destroy(&stranger); // not in the pool: nothing
  EXPECT_EQ(pool.size(), before + 2);
  pool.destroy(a);
  pool.destroy(b);
  EXPECT_EQ(pool.size(), before);
}
