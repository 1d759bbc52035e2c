#include "mesh/MeshDefinition.h"
#include "mesh/Mesh.h"
#include "mesh/MeshManager.h"
#include "video/BufferObject.h"
#include "video/RenderKeywords.h"
#include "video/VertexRenderer.h"

#include <gtest/gtest.h>

using mesh::MeshDefinition;

namespace {

inline void expectVec2(const math::Vector2 &v, const math::Vector2 &expected) {
  EXPECT_EQ(v.x, expected.x);
  EXPECT_EQ(v.y, expected.y);
}

Texture *fakeTexture(int i) { return reinterpret_cast<Texture *>(uintptr_t(0x1000 * i)); }

} // namespace

TEST(MeshDefinition, AllocateMakesTheArraysTheFormatAsksFor) {
  struct Case {
    uint32_t format;
    bool twoD, texCoords;
  } cases[] = {{mesh::MESH_PLAIN, false, false},
               {mesh::MESH_NORMALS, false, true},
               {mesh::MESH_COLORS, true, false},
               {mesh::MESH_NORMALS_AND_COLORS, true, true}};
  for (const Case &c : cases) {
    MeshDefinition d(Symbol::intern(L"test"), c.format, c.twoD, c.texCoords);
    EXPECT_EQ(d.vertexCount(), 0u);
    d.allocate(3);
    EXPECT_EQ(d.vertexCount(), 3u);
    EXPECT_EQ(d.positions2D() != nullptr, c.twoD);
    EXPECT_EQ(d.positions() != nullptr, !c.twoD);
    EXPECT_EQ(d.colors() != nullptr, d.hasColors());
    EXPECT_EQ(d.normals() != nullptr, d.hasNormals());
    EXPECT_EQ(d.texCoords() != nullptr, c.texCoords);
    if (d.hasColors()) {
      const math::PackedColor &white = d.color(2);
      EXPECT_EQ(white.r + white.g + white.b + white.a, 4 * 255);
    }
    // Zero vertices: no arrays at all.
    d.allocate(0);
    EXPECT_EQ(d.vertexCount(), 0u);
    EXPECT_EQ(d.positions(), nullptr);
    EXPECT_EQ(d.positions2D(), nullptr);
    EXPECT_EQ(d.colors(), nullptr);
    EXPECT_EQ(d.normals(), nullptr);
    EXPECT_EQ(d.texCoords(), nullptr);
  }
}

TEST(MeshDefinition, PartsTexturesAndUnitValues) {
  MeshDefinition d(Symbol::intern(L"test"), mesh::MESH_PLAIN, false, true);
  d.addPart(new mesh::MeshPart(0));
  d.addPart(new mesh::MeshPart(1));
  d.setTexture(fakeTexture(1), 2);
  d.setUnitValue(video::textureStyle::ADD_COLOR, 1);
  for (uint32_t p = 0; p < 2; ++p) {
    const mesh::MeshPart &part = d.part(p);
    EXPECT_EQ(part.texture(0), nullptr);
    EXPECT_EQ(part.texture(2), fakeTexture(1));
    EXPECT_EQ(part.texture(3), nullptr); // past the list
    EXPECT_EQ(part.textureCount(), 3u);
    EXPECT_EQ(part.unitValue(0), video::textureStyle::NORMAL);
    EXPECT_EQ(part.unitValue(1), video::textureStyle::ADD_COLOR);
    EXPECT_EQ(part.unitValue(7), video::textureStyle::NORMAL);
    EXPECT_EQ(part.shadeModel, 0u);
    EXPECT_EQ(part.shader, nullptr);
    EXPECT_TRUE(part.material == video::Material());
  }
  // No texture access installed: every texture counts as opaque, so the
  // material decides.
  EXPECT_TRUE(d.part(0).isOpaque());
  d.part(0).material.specular.a = 0.5f;
  EXPECT_FALSE(d.part(0).isOpaque());

  d.allocate(2);
  d.texCoord(1) = math::Vector2(0.25f, 0.5f);
  d.offsetTexCoords(math::Vector2(1, 2));
  expectVec2(d.texCoord(0), math::Vector2(1, 2));
  expectVec2(d.texCoord(1), math::Vector2(1.25f, 2.5f));
}

TEST(MeshDefinition, BuffersGoBackToThePoolWithTheirOwners) {
  video::BufferObjectPool &pool = video::BufferObjectPool::instance();
  uint32_t before = pool.size();
  {
    MeshDefinition d(Symbol::intern(L"test"), mesh::MESH_COLORS, false, false);
    d.buffer(mesh::ARRAY_POSITIONS) = pool.create();
    d.buffer(mesh::ARRAY_COLORS) = pool.create();
    auto *part = new mesh::MeshPart(0);
    auto *list = new mesh::IndexList(video::PRIMITIVE_TRIANGLE_FAN);
    list->elementBuffer = pool.create();
    part->addIndexList(list);
    d.addPart(part);
    EXPECT_EQ(pool.size(), before + 3);
    d.releaseBuffers(); // without GL names nothing to drop: the buffers stay
    EXPECT_EQ(pool.size(), before + 3);
  }
  EXPECT_EQ(pool.size(), before);
}

TEST(MeshDefinition, IndexListsGrowWithZeros) {
  mesh::IndexList list(video::PRIMITIVE_TRIANGLE_STRIP);
  EXPECT_EQ(list.count(), 0u);
  list.resize(3);
  list[0] = 7;
  list[2] = 9;
  list.resize(5);
  EXPECT_EQ(list.count(), 5u);
  EXPECT_EQ(list[0], 7);
  EXPECT_EQ(list[1], 0);
  EXPECT_EQ(list[4], 0);
  list.resize(1);
  EXPECT_EQ(list.count(), 1u);
}

TEST(Mesh, DefaultsAndTheManager) {
  mesh::Mesh m(nullptr);
  EXPECT_TRUE(m.cull);
  EXPECT_FALSE(m.alphaTest);
  EXPECT_EQ(m.alphaFunction, video::COMPARE_ALWAYS);
  EXPECT_TRUE(m.depthTest);
  EXPECT_TRUE(m.depthWrite);
  EXPECT_EQ(m.blend, video::BLEND_NORMAL);
  m.setBlend(video::BLEND_ADDITIVE);
  EXPECT_EQ(m.blend, video::BLEND_ADDITIVE);

  mesh::MeshManager manager(nullptr);
  const Symbol names[] = {Symbol::intern(L"bigRedBox"), Symbol::intern(L"redCircle"),
                          Symbol::intern(L"redBoxSmall")};
  for (Symbol name : names)
    manager.add(new MeshDefinition(name, 0, false, false));
  EXPECT_TRUE(manager.contains(names[1]));
  EXPECT_EQ(manager.find(Symbol::intern(L"none")), nullptr);
  container::Vector<Symbol> found = manager.findNames(String(L"red box"));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], names[0]);
  EXPECT_EQ(found[1], names[2]);
  // A second definition of a name replaces the first.
  auto *again = new MeshDefinition(names[0], mesh::MESH_NORMALS, false, false);
  manager.add(again);
  EXPECT_EQ(manager.find(names[0]), again);
  EXPECT_EQ(manager.count(), 3u);
  manager.remove(names[0]);
  EXPECT_FALSE(manager.contains(names[0]));
  manager.remove(names[0]); // nothing left to remove
  EXPECT_EQ(manager.count(), 2u);
}
