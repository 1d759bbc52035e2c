// Particle systems drawn on a real OpenGL ES context after a fixed number of
// fixed steps with the random stream seeded, and read back: particle pixels
// where the particles are, none elsewhere. Needs the generated texture file
// (tools/texpack data/textures.! data).

#include "ParticleTestSupport.h"

#include "camera/Camera.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "support/GLFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace particletest;

namespace {

struct Spot {
  float x, y;
};

class DrawnParticles : public testing_support::FrameworkTest {
protected:
  CorvaneDatabase *database = nullptr;
  std::vector<unsigned char> pixels;

  void SetUp() override {
    FrameworkTest::SetUp();
    gltest::resetWindow();
    testing_support::loadDataTree(CorvaneDatabase::LOAD_TEXTURES |
                                  CorvaneDatabase::LOAD_BILLBOARDS);
    database = corvaneDatabase();
  }

  video::OpenGLCanvas &screen() { return gltest::clearedScreen(); }

  std::unique_ptr<ParticleSystem> run(ParticleSystemDefinition &definition,
                                      const math::Vector3 &at) {
    Random::globalSeed(2024);
    std::unique_ptr<ParticleSystem> system(definition.instantiate(at, 0.0f));
    for (int i = 0; i < 12; ++i)
      system->update(1.0f / 30.0f);
    return system;
  }

  void readBack() {
    pixels.assign(320 * 480 * 4, 0);
    glReadPixels(0, 0, 320, 480, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  }
  bool lit(int x, int y) const {
    const unsigned char *p = &pixels[4 * (y * 320 + x)];
    return p[0] > 8 || p[1] > 8 || p[2] > 8;
  }
  // Every lit pixel within reach of a spot, and each spot lit at its centre.
  void expectOnlyAt(const std::vector<Spot> &spots, float reach) const {
    for (const Spot &s : spots)
      EXPECT_TRUE(lit(int(s.x), int(s.y))) << s.x << "," << s.y;
    int stray = 0;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 320; ++x) {
        if (!lit(x, y))
          continue;
        bool near = false;
        for (const Spot &s : spots)
          near = near || (std::fabs(x + 0.5f - s.x) <= reach && std::fabs(y + 0.5f - s.y) <= reach);
        stray += near ? 0 : 1;
      }
    EXPECT_EQ(stray, 0);
  }
};

} // namespace

TEST_F(DrawnParticles, BillboardsInTwoDimensions) {
  ParticleSystemDefinition definition;
  definition.read(database, dictionary(L"(emitters: [(billboard: (prototype: solid: size: [6 6])"
                                       L" spout: (type: box: extents: [60 40 0])"
                                       L" mover: (type: linear:) initialVelocity: [0 30 0]"
                                       L" chargeThreshold: 0.1 maxParticles: 6"
                                       L" particleLifespan: 10)])"));
  video::OpenGLCanvas &canvas = screen();
  auto system = run(definition, math::Vector3(160, 240, 0));
  const Emitter &e = system->emitter(0);
  ASSERT_EQ(e.liveCount(), 4u);
  system->render(canvas);
  canvas.flush();
  readBack();
  std::vector<Spot> spots;
  for (uint32_t i = 0; i < Emitter::PoolSize; ++i)
    if (e.particle(i).alive)
      spots.push_back({e.particle(i).location.x, e.particle(i).location.y});
  // Drifted up from where the spout put them.
  EXPECT_GT(e.particle(0).location.y, e.particle(0).origin.y + 5.0f);
  expectOnlyAt(spots, 3.0f + 1.0f);
}

TEST_F(DrawnParticles, PointSpritesUnderAPerspectiveCamera) {
  ParticleSystemDefinition definition;
  definition.read(database, dictionary(L"(emitters: [(billboard: (prototype: solid: size: [0.25 "
                                       L"0.25]) spout: (type: box: extents: [3 4 0])"
                                       L" initialParticles: 6 maxParticles: 6"
                                       L" particleLifespan: 10 pointSpritesEnabled: true:)])"));
  video::OpenGLCanvas &canvas = screen();
  const math::Vector3 at(0, 0, -10);
  auto system = run(definition, at);
  Camera camera;
  camera.apply(canvas);
  system->render(canvas);
  canvas.flush();
  readBack();
  const Emitter &e = system->emitter(0);
  ASSERT_EQ(e.liveCount(), 6u);
  std::vector<Spot> spots;
  for (uint32_t i = 0; i < Emitter::PoolSize; ++i)
    if (e.particle(i).alive) {
      math::Vector2 p = camera.projectToPixel(e.particle(i).location);
      spots.push_back({p.x, p.y});
    }
  // The sprite's side: the world size seen at the system's distance.
  float side = camera.projectSphere(at, 0.25f).radius * 160.0f;
  EXPECT_GT(side, 3.0f);
  expectOnlyAt(spots, side * 0.5f + 1.5f);
  camera.release(canvas);
}
