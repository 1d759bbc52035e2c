// Scene surfaces drawn under a real GLES 1.1 context and read back at probe
// points.

#include "camera/Camera.h"
#include "cloth/Cloth.h"
#include "scene/SkyBoxObject.h"
#include "support/GLFixture.h"
#include "terrain/Grid.h"
#include "video/FakeTextures.h"
#include "video/Light.h"
#include "water/Water.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

struct SurfaceReadback : gltest::CanvasFixture {
  void SetUp() override {
    gltest::CanvasFixture::SetUp();
    canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  }
  void TearDown() override {
    // Grids put themselves on the render list; they go with the test.
    canvas->clearRenderList();
    if (canvas->camera())
      canvas->clearCamera();
    canvas->resetMatrices();
    gltest::CanvasFixture::TearDown();
  }
  // A camera high above the origin looking straight down.
  static void above(Camera &camera, float height) {
    camera.setPosition(math::Vector3(0, height, 0));
    camera.setRotation(math::Vector3(1, 0, 0), -90);
  }
  void look(Camera &camera) {
    canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
    camera.apply(*canvas);
  }
};

void expectNear(const gltest::Rgba &p, int r, int g, int b, int tolerance = 2) {
  EXPECT_LE(std::abs(p.r - r), tolerance) << p.r << " " << p.g << " " << p.b;
  EXPECT_LE(std::abs(p.g - g), tolerance) << p.r << " " << p.g << " " << p.b;
  EXPECT_LE(std::abs(p.b - b), tolerance) << p.r << " " << p.g << " " << p.b;
}

video::RenderPass *unlitPass(const math::Color &color) {
  video::RenderPass *pass = new video::RenderPass;
  pass->lit = false;
  pass->color = color;
  return pass;
}

HeightMap *flatMap(int rows, int columns, float height, float spacing) {
  HeightMap *map = new HeightMap(math::Size2i(rows, columns), math::Vector3(spacing, 1, spacing));
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < columns; ++j)
      map->setHeight(i, j, height);
  return map;
}

} // namespace

TEST_F(SurfaceReadback, SkyBoxFacesSurroundThePerspectiveCamera) {
  gltest::TextureScope textures;
  const unsigned char colors[6][3] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},
                                      {255, 255, 0}, {0, 255, 255}, {255, 0, 255}};
  gltest::FakeTexture faces[6];
  SkyBoxObject box;
  for (unsigned f = 0; f < 6; ++f) {
    faces[f].glName = gltest::makeGLTexture(colors[f][0], colors[f][1], colors[f][2], 255);
    box.setFace(f, gltest::asTexture(&faces[f]));
  }
  // Which face lies ahead after a turn about an axis.
  struct Case {
    const char *what;
    math::Vector3 axis;
    float degrees;
    unsigned face;
  };
  const Case cases[] = {
      {"ahead", {0, 1, 0}, 0, video::SkyBoxFaces::BACK},
      {"turned left", {0, 1, 0}, 90, video::SkyBoxFaces::LEFT},
      {"turned round", {0, 1, 0}, 180, video::SkyBoxFaces::FRONT},
      {"turned right", {0, 1, 0}, -90, video::SkyBoxFaces::RIGHT},
      {"looking up", {1, 0, 0}, 90, video::SkyBoxFaces::TOP},
      {"looking down", {1, 0, 0}, -90, video::SkyBoxFaces::BOTTOM},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Camera camera;
    camera.setPosition(math::Vector3(5, -3, 2)); // the box goes with the camera
    camera.setRotation(c.axis, c.degrees);
    look(camera);
    box.render(*canvas);
    canvas->flush();
    expectNear(gltest::glPixel(160, 240), colors[c.face][0], colors[c.face][1], colors[c.face][2]);
  }
  for (gltest::FakeTexture &f : faces)
    glDeleteTextures(1, &f.glName);
}

TEST_F(SurfaceReadback, WaterReachesBeyondTheFarPlaneAndPatchesLieOnIt) {
  water::Water water;
  water.addRenderPass(unlitPass(math::Color(0.0f, 0.0f, 1.0f, 1.0f)));
  water::Decal &decal = water.addDecal(new water::Decal);
  decal.renderPass.lit = false;
  decal.renderPass.color = math::Color(1.0f, 0.0f, 0.0f, 1.0f);
  decal.extents = math::Vector3(5, 0, 5);

  // From above: the patch in the middle, the water around it.
  Camera high;
  above(high, 30);
  look(high);
  water.render(*canvas);
  canvas->flush();
  expectNear(gltest::glPixel(160, 240), 255, 0, 0);
  expectNear(gltest::glPixel(10, 10), 0, 0, 255);

  // Skimming the surface with a near far plane: water far beyond it still
  // shows just below the horizon, and nothing above it.
  Camera skimming;
  skimming.setPosition(math::Vector3(0, 1, 100));
  skimming.setClipFar(20.0f);
  look(skimming);
  water.render(*canvas);
  canvas->flush();
  expectNear(gltest::glPixel(160, 230), 0, 0, 255);
  expectNear(gltest::glPixel(160, 300), 0, 0, 0);
  EXPECT_FLOAT_EQ(skimming.clipFar(), 20.0f);
}

TEST_F(SurfaceReadback, ClothTakesItsColourAsTheLitMaterial) {
  cloth::Cloth cloth(8, 8, math::Vector3(1, 1, 1));
  for (uint32_t r = 0; r < 8; ++r)
    for (uint32_t c = 0; c < 8; ++c)
      cloth.setNormal(r, c, math::Vector3(0, 0, 1));
  math::Color color(0.5f, 0.25f, 0.75f, 1.0f);
  cloth.setColor(color);
  Camera camera;
  camera.setPosition(math::Vector3(3.5f, -3.5f, 10));
  look(camera);
  // Straight onto the cloth: ambient, diffuse, no specular.
  video::Light light;
  light.direction = math::Vector3(0, 0, -1);
  light.ambient = math::Color(0.1f, 0.1f, 0.1f, 1.0f);
  light.diffuse = math::Color(0.5f, 0.5f, 0.5f, 1.0f);
  light.specular = math::Color(0.0f, 0.0f, 0.0f, 1.0f);
  canvas->enableLight(light);
  canvas->drawCloth(cloth);
  canvas->disableLight(light);
  canvas->flush();
  // GL's scene ambient (0.2) and the light's ambient and diffuse, each times
  // the material's colour.
  auto lit = [&](float channel) {
    float v = (0.2f + light.ambient.r + light.diffuse.r) * channel;
    return int(std::lround((v > 1.0f ? 1.0f : v) * 255.0f));
  };
  expectNear(gltest::glPixel(160, 240), lit(color.r), lit(color.g), lit(color.b));
  expectNear(gltest::glPixel(2, 2), 0, 0, 0); // beside the cloth
}

TEST_F(SurfaceReadback, TwoTerrainLayersBlendTheSecondOverTheFirst) {
  terrain::Grid grid;
  terrain::Layer &ground = grid.addLayer();
  terrain::Layer &grass = grid.addLayer();
  ground.renderPass.lit = false;
  grass.renderPass.lit = false;
  grid.setHeightMap(flatMap(3, 3, 0.0f, 10.0f)); // 20 x 20 around the origin
  for (math::Color &c : ground.colors)
    c = math::Color(1.0f, 0.0f, 0.0f, 1.0f);
  for (math::Color &c : grass.colors)
    c = math::Color(0.0f, 1.0f, 0.0f, 0.5f);
  Camera camera;
  above(camera, 30);
  look(camera);
  grid.render(*canvas);
  canvas->flush();
  expectNear(gltest::glPixel(160, 240), 128, 127, 0, 3);
  expectNear(gltest::glPixel(5, 5), 0, 0, 0); // off the terrain

  // A second frame draws from the buffers made by the first.
  EXPECT_FALSE(grid.dirty());
  look(camera);
  grid.render(*canvas);
  canvas->flush();
  expectNear(gltest::glPixel(160, 240), 128, 127, 0, 3);
}

TEST_F(SurfaceReadback, ShoreMeshesAndTheCoastlineDrawFromTheirOwnBuffers) {
  terrain::Grid grid;
  terrain::Layer &layer = grid.addLayer();
  layer.renderPass.lit = false;
  grid.setHeightMap(flatMap(3, 3, -1.0f, 10.0f)); // all under water: no dry strips
  // A dry-side shore triangle round the middle of the screen, yellow.
  terrain::LayerMesh &shore = layer.shoreMeshes[0];
  const float corners[3][2] = {{-5, -5}, {0, 5}, {5, -5}}; // facing up
  for (const float *c : corners) {
    shore.positions.push(math::Vector3(c[0], 0, c[1]));
    shore.colors.push(math::PackedColor(math::Color(1.0f, 1.0f, 0.0f, 1.0f)));
    shore.textureCoordinates.push(math::Vector2());
  }
  // A coastline strip along the left of the view, cyan.
  terrain::Coastline &coast = grid.createCoastline();
  coast.renderPass.lit = false;
  const float strip[4][2] = {{-20, -20}, {-20, 20}, {-12, -20}, {-12, 20}};
  for (const float *c : strip) {
    coast.mesh.positions.push(math::Vector3(c[0], 0, c[1]));
    coast.mesh.colors.push(math::PackedColor(math::Color(0.0f, 1.0f, 1.0f, 1.0f)));
    coast.mesh.textureCoordinates.push(math::Vector2());
  }
  Camera camera;
  above(camera, 30);
  look(camera);
  grid.render(*canvas);
  canvas->flush();
  EXPECT_TRUE(layer.indicesAbove().isEmpty());
  EXPECT_EQ(layer.buffers.blocks[0].extraCount, 3u);
  EXPECT_EQ(coast.vertexCount, 4u);
  expectNear(gltest::glPixel(160, 240), 255, 255, 0);
  expectNear(gltest::glPixel(20, 240), 0, 255, 255);
  expectNear(gltest::glPixel(300, 240), 0, 0, 0);
}
