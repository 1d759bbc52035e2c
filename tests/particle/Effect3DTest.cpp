// 3-D effects: their drift, lifespan and finishing, their orientation and
// pass, their records and the registry's round trip.

#include "ParticleTestSupport.h"

#include "camera/Camera.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "particle/Effect3D.h"
#include "particle/Effect3DList.h"
#include "particle/Effect3DRegistry.h"
#include "particle/ParticleSystemFactory.h"

#include <gtest/gtest.h>

using namespace particletest;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// A framework whose database's factory holds "puff": three point sprites
// that live a second, and "stream": point sprites for ever.
class Effects : public testing_support::FrameworkTest {
protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    ParticleSystemFactory &factory = corvaneDatabase()->particleSystemFactory();
    factory.reportMissing = false;
    define(factory, L"puff",
           L"(emitters: [(billboard: (size: [4 4]) spout: (type: point:) initialParticles: 3 "
           L"maxParticles: 3 pointSpritesEnabled: true:)])");
    define(factory, L"stream",
           L"(emitters: [(billboard: (size: [4 4]) spout: (type: point:) "
           L"pointSpritesEnabled: true:)])");
  }
  static void define(ParticleSystemFactory &factory, const wchar_t *name, const wchar_t *text) {
    auto *definition = new ParticleSystemDefinition;
    definition->read(nullptr, dictionary(text));
    definition->name = sym(name);
    factory.add(definition);
  }
};

} // namespace

TEST_F(Effects, ALifespanEndsTheDriftAndTheListDropsIt) {
  Effect3DRegistry registry;
  Effect3DList *list = registry.addList(sym(L"sparks"));
  auto *effect = new Effect3D(sym(L"stream"), 2.0f);
  effect->location = math::Vector3(3, 0, 0);
  effect->velocity = math::Vector3(1, 0, 0);
  list->add(effect);
  for (int i = 0; i < 19; ++i)
    registry.update(0.1f);
  ASSERT_EQ(list->count(), 1u);
  EXPECT_NEAR(effect->location.x, 4.9f, 1e-4f);
  registry.update(0.1f);
  EXPECT_EQ(list->count(), 0u);
}

TEST_F(Effects, WithoutALifespanAnEffectLastsAsLongAsItsSystem) {
  Effect3DList list;
  list.add(new Effect3D(sym(L"puff"), -1.0f));
  list.add(new Effect3D(sym(L"stream"), -1.0f));
  for (int i = 0; i < 10; ++i)
    list.update(0.25f);
  ASSERT_EQ(list.count(), 1u);
  EXPECT_EQ(list.at(0)->systemName(), sym(L"stream"));
}

TEST_F(Effects, DrawingFollowsThePassTheAlignmentAndTheCamera) {
  Effect3D effect(sym(L"puff"), -1.0f);
  effect.location = math::Vector3(1, 2, 3);
  effect.angle = 90.0f;
  RecordingCanvas canvas;
  effect.render3D(canvas, sym(L"shadow"));
  EXPECT_TRUE(canvas.draws.empty());

  // Facing the camera with no camera: drawn as in the x-y plane.
  effect.render3D(canvas, Symbol());
  effect.alignment = Effect3D::ALIGN_XY;
  effect.render3D(canvas, Symbol());
  ASSERT_EQ(canvas.draws.size(), 2u);
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(canvas.draws[0].model.m[i], canvas.draws[1].model.m[i]) << i;
  math::Vector3 right = canvas.draws[1].model.transformPoint(math::Vector3(0, 1, 0));
  EXPECT_NEAR(right.x, 2.0f, 1e-5f); // turned clockwise: up becomes right
  EXPECT_NEAR(right.y, 2.0f, 1e-5f);

  // With a camera turned about y, facing it turns the effect alike.
  Camera camera;
  camera.setRotation(math::Vector3(0, 1, 0), 30.0f);
  video::CameraView view;
  view.angle = 30.0f;
  view.axis = math::Vector3(0, 1, 0);
  canvas.setCamera(&camera, view);
  effect.alignment = Effect3D::ALIGN_FACE_CAMERA;
  effect.angle = 0.0f;
  effect.render3D(canvas, Symbol());
  math::Vector3 out = canvas.draws[2].model.transformPoint(math::Vector3(0, 0, 1));
  EXPECT_NEAR(out.x - 1.0f, 0.5f, 1e-5f);
  canvas.clearCamera();
  EXPECT_EQ(canvas.colorStackSize(), 0u);
}

TEST_F(Effects, RecordsStoreOnlyWhatDiffersAndReadBackFacingTheCamera) {
  Effect3D plain(sym(L"puff"), -1.0f);
  plain.alignment = Effect3D::ALIGN_XZ;
  file::BufferBinary buffer;
  plain.write(buffer);
  // Name record, position, age, then the mask: nothing differs.
  EXPECT_EQ(buffer.data()[buffer.size() - 1], 0);

  Effect3DRegistry registry;
  Effect3DList *first = registry.addList(sym(L"first"));
  registry.addList(sym(L"empty"));
  auto *effect = new Effect3D(sym(L"stream"), 5.0f);
  effect->location = math::Vector3(1, 2, 3);
  effect->velocity = math::Vector3(0, 1, 0);
  effect->scale = 2.0f;
  effect->angle = 45.0f;
  effect->color = math::Color(1.0f, 0.5f, 0.25f, 1.0f);
  effect->depthWrite = true;
  effect->alignment = Effect3D::ALIGN_XY;
  effect->update(0.5f);
  first->add(effect);
  file::BufferBinary saved;
  registry.serialize(saved);

  saved.seek(0);
  Effect3DRegistry back;
  back.addList(sym(L"stale"));
  ASSERT_TRUE(back.deserialize(saved));
  EXPECT_EQ(saved.bytesRemaining(), 0u);
  ASSERT_EQ(back.listCount(), 2u);
  EXPECT_FALSE(back.contains(sym(L"stale")));
  EXPECT_EQ(back.listName(1), sym(L"empty"));
  ASSERT_EQ(back.list(sym(L"first"))->count(), 1u);
  const Effect3D &read = *back.list(sym(L"first"))->at(0);
  EXPECT_EQ(read.systemName(), sym(L"stream"));
  EXPECT_EQ(read.location, effect->location);
  EXPECT_EQ(read.velocity, math::Vector3(0, 1, 0));
  EXPECT_EQ(read.age, 0.5f);
  EXPECT_EQ(read.lifespan, 5.0f);
  EXPECT_EQ(read.scale, 2.0f);
  EXPECT_EQ(read.angle, 45.0f);
  EXPECT_TRUE(read.color == effect->color);
  EXPECT_FALSE(read.depthTest);
  EXPECT_TRUE(read.depthWrite);
  EXPECT_EQ(read.alignment, Effect3D::ALIGN_FACE_CAMERA);

  // No truncation crashes; each is refused.
  for (uint32_t cut = 0; cut < saved.size(); ++cut) {
    file::BufferBinary part;
    part.receiveBytes(saved.data(), cut);
    part.seek(0);
    Effect3DRegistry partial;
    testing::internal::CaptureStderr();
    bool whole = partial.deserialize(part);
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(whole) << cut;
  }
}

TEST_F(Effects, DictionariesSetWhatTheyName) {
  Effect3D effect(sym(L"puff"), -1.0f);
  effect.read(dictionary(L"(position: [1 2 3] velocity: [0 0 1] scale: 3 angle: 10 color: [1 0 "
                         L"0 1] lifespan: 4 depthTest: true: alignment: xz:)"));
  EXPECT_EQ(effect.location, math::Vector3(1, 2, 3));
  EXPECT_EQ(effect.velocity, math::Vector3(0, 0, 1));
  EXPECT_EQ(effect.scale, 3.0f);
  EXPECT_EQ(effect.angle, 10.0f);
  EXPECT_EQ(effect.lifespan, 4.0f);
  EXPECT_TRUE(effect.depthTest);
  EXPECT_EQ(effect.alignment, Effect3D::ALIGN_XZ);
  effect.read(dictionary(L"(alignment: sideways: scale: wide:)"));
  EXPECT_EQ(effect.alignment, Effect3D::ALIGN_XZ);
  EXPECT_EQ(effect.scale, 3.0f);
}
