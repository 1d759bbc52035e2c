// The canvas's drawing of scene surfaces: sky box, terrain layers, water with
// its patches and shore edges, waves and cloth.

#include "math/Spline2D.h"
#include "video/Canvas.h"
#include "video/ClothSurface.h"
#include "video/Material.h"
#include "video/RenderPass.h"
#include "video/RenderState.h"
#include "video/SkyBoxFaces.h"
#include "video/TerrainSurface.h"
#include "video/VertexRenderer.h"
#include "video/WaterSurface.h"

namespace video {

namespace {

const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);

// Water stretches this far: the far plane is widened to it while it draws.
constexpr float waterClipFar = 10000.0f;

// Six steps along every segment of a shore edge.
constexpr int edgeSteps = 6;

// One strip over a grid: each pair of rows column by column, the pairs
// joined by repeating the end of one and the start of the next.
template <typename Emit> void rowPairStrip(uint32_t rows, uint32_t columns, Emit &&emit) {
  for (uint32_t r = 0; r + 1 < rows; ++r) {
    if (r > 0) {
      emit(r, columns - 1);
      emit(r, 0);
    }
    for (uint32_t c = 0; c < columns; ++c) {
      emit(r, c);
      emit(r + 1, c);
    }
  }
}

} // namespace

void SkyBoxFaces::draw(Canvas &canvas) const { canvas.drawSkyBox(*this); }

void Canvas::drawSkyBox(const SkyBoxFaces &faces) {
  if (!m_camera || !m_cameraView.perspective)
    return;
  flush();
  RenderState &state = renderState();
  state.setLighting(false);
  state.setCulling(false);
  state.setDepthWrite(effectiveDepthWrite(false));
  state.setDepthTest(effectiveDepthTest(false));
  int blend = effectiveBlendMode(BLEND_NORMAL);
  state.setBlendMode(blend);
  state.setBlending(!(colorStackTopOpaque() && blend == BLEND_NORMAL));

  pushMatrix();
  translate(m_cameraView.position);
  setColor(white);
  applyMatrices();
  float h = (m_cameraView.clipNear + m_cameraView.clipFar) / 2.0f;
  // Four corners per face, drawn as a strip.
  static const float corners[SkyBoxFaces::FACE_COUNT][4][3] = {
      {{-1, 1, -1}, {-1, -1, -1}, {-1, 1, 1}, {-1, -1, 1}}, // left
      {{1, 1, 1}, {1, -1, 1}, {1, 1, -1}, {1, -1, -1}},     // right
      {{-1, 1, 1}, {-1, -1, 1}, {1, 1, 1}, {1, -1, 1}},     // front
      {{1, 1, -1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, -1}}, // back
      {{-1, 1, -1}, {-1, 1, 1}, {1, 1, -1}, {1, 1, 1}},     // top
      {{-1, -1, -1}, {-1, -1, 1}, {1, -1, -1}, {1, -1, 1}}, // bottom
  };
  static const float coordinates[4][2] = {{1, 0}, {1, 1}, {0, 0}, {0, 1}};
  static const int order[SkyBoxFaces::FACE_COUNT] = {SkyBoxFaces::FRONT, SkyBoxFaces::RIGHT,
                                                     SkyBoxFaces::BACK,  SkyBoxFaces::LEFT,
                                                     SkyBoxFaces::TOP,   SkyBoxFaces::BOTTOM};
  VertexRenderer &renderer = vertexRenderer();
  for (int face : order) {
    Texture *texture = faces.face(unsigned(face));
    if (!texture)
      continue;
    state.setTexture(texture, 0);
    renderer.begin(FORMAT_TEXCOORDS, PRIMITIVE_TRIANGLE_STRIP);
    for (int k = 0; k < 4; ++k) {
      renderer.texCoord(coordinates[k][0], coordinates[k][1]);
      const float *c = corners[face][k];
      renderer.vertex(c[0] * h, c[1] * h, c[2] * h);
    }
    renderer.end();
  }
  popMatrix();
}

void Canvas::drawTerrain(TerrainSurface &terrain, int part) {
  flush();
  RenderState &state = renderState();
  state.setShadeModel(SHADE_SMOOTH);
  state.setDepthFunction(effectiveDepthFunction(COMPARE_LESS_OR_EQUAL));
  terrain.prepareLayers();
  pushMatrix();
  for (uint32_t i = 0; i < terrain.layerCount(); ++i) {
    RenderPass &pass = terrain.layerPass(i);
    applyRenderPass(pass);
    if (i > 0)
      state.setBlending(true);
    applyMatrices();
    drawTerrainLayer(terrain.layerBuffers(i), part == 1);
    releaseRenderPass(pass);
    translate(0.0f, 0.25f, 0.0f);
  }
  popMatrix();
}

namespace {

// The surface state every water pass and patch draws with.
void flatWithoutDepth(Canvas &canvas) {
  RenderState &state = canvas.renderState();
  state.setShadeModel(SHADE_FLAT);
  state.setCulling(false);
  state.setDepthTest(canvas.effectiveDepthTest(false));
  state.setDepthWrite(canvas.effectiveDepthWrite(false));
}

} // namespace

void Canvas::drawWater(WaterSurface &water) {
  flush();
  renderState().setShadeModel(SHADE_FLAT);
  // The surface reaches far beyond the camera's far plane: widen it while
  // the water draws, then give the camera's own view back.
  const Camera *camera = m_camera;
  CameraView saved = m_cameraView;
  bool widened = camera && saved.farView;
  if (widened) {
    CameraView farther;
    saved.farView(*camera, waterClipFar, farther);
    setCamera(camera, farther);
  }

  float e = 1.5f * waterClipFar;
  uint32_t n = water.resolution() ? water.resolution() : 1u;
  float cell = 2.0f * e / float(n);
  pushMatrix();
  translate(-e, 0.0f, -e);
  applyMatrices();
  VertexRenderer &renderer = vertexRenderer();
  for (uint32_t l = 0; l < water.layerCount(); ++l) {
    RenderPass &pass = water.layer(l);
    applyRenderPass(pass);
    flatWithoutDepth(*this);
    applyMatrices();
    bool textured = pass.texture != nullptr;
    float inverse = 1.0f / float(n);
    auto emit = [&](uint32_t column, uint32_t row) {
      if (textured)
        renderer.texCoord(float(column) * inverse, float(row) * inverse);
      renderer.vertex(float(column) * cell, 0.0f, float(row) * cell);
    };
    renderer.begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
    for (uint32_t i = 1; i <= n; ++i) {
      for (uint32_t j = 0; j <= n; ++j) {
        emit(i - 1, j);
        emit(i, j);
      }
      // Joining the next column: back along the edge just drawn.
      emit(i, n);
      emit(i, 0);
    }
    renderer.end();
    releaseRenderPass(pass);
  }
  popMatrix();

  for (uint32_t p = 0; p < water.patchCount(); ++p) {
    WaterPatch &patch = water.patch(p);
    applyRenderPass(patch.renderPass);
    flatWithoutDepth(*this);
    pushMatrix();
    translate(patch.position);
    rotate(patch.rotation, 0.0f, -1.0f, 0.0f);
    applyMatrices();
    float sx = patch.extents.x, sz = patch.extents.z;
    bool textured = patch.renderPass.texture != nullptr;
    const float corners[4][4] = {
        {-sx, sz, 0, 1}, {sx, sz, 1, 1}, {-sx, -sz, 0, 0}, {sx, -sz, 1, 0}};
    renderer.begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
    for (const float *c : corners) {
      if (textured)
        renderer.texCoord(c[2], c[3]);
      renderer.vertex(c[0], 0.0f, c[1]);
    }
    renderer.end();
    popMatrix();
    releaseRenderPass(patch.renderPass);
  }

  for (uint32_t s = 0; s < water.shoreEdgeCount(); ++s)
    water.drawShoreEdge(s, *this);

  if (widened)
    setCamera(camera, saved);
}

void Canvas::drawWaterEdge(RenderPass &pass, const math::Spline2D &spline,
                           const math::Vector3 &position, float angle, const math::Color &color,
                           const math::Vector2 &offset) {
  unsigned points = spline.controlPointCount();
  if (points < 4)
    return;
  flush();
  pushMatrix();
  translate(position);
  rotate(angle, 0.0f, -1.0f, 0.0f);
  rotate(90.0f, 1.0f, 0.0f, 0.0f);
  applyRenderPass(pass);
  setColor(color);
  RenderState &state = renderState();
  state.setBlending(true);
  state.setDepthWrite(effectiveDepthWrite(false));
  applyMatrices();

  // Segments 2 to n - 2 share u equally.
  float segments = float(points - 3);
  auto pointOf = [&](unsigned segment, float t) {
    return spline.pointAt((float(segment - 2) + t) / segments);
  };
  float length = spline.length();
  float perLength = length > 0.0f ? 1.0f / length : 0.0f;
  VertexRenderer &renderer = vertexRenderer();
  renderer.begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
  auto emit = [&](const math::Vector2 &p, float u) {
    renderer.texCoord(u, 0.0f);
    renderer.vertex(p.x, p.y, 0.0f);
    renderer.texCoord(u, 1.0f);
    renderer.vertex(p.x + offset.x, p.y + offset.y, 0.0f);
  };
  math::Vector2 previous = pointOf(2, 0.0f);
  float u = 0.0f;
  emit(previous, u);
  for (unsigned s = 2; s < points - 1; ++s)
    for (int k = 1; k <= edgeSteps; ++k) {
      math::Vector2 p = pointOf(s, float(k) / float(edgeSteps));
      u += (p - previous).length() * perLength;
      previous = p;
      emit(p, u);
    }
  renderer.end();
  releaseRenderPass(pass);
  popMatrix();
}

void Canvas::drawWaves(WaveSurface &waves) {
  flush();
  waves.placeFor(m_camera);
  RenderState &state = renderState();
  state.setShadeModel(SHADE_SMOOTH);
  state.setDepthFunction(effectiveDepthFunction(COMPARE_LESS_OR_EQUAL));
  applyMatrices();
  uint32_t rows = waves.rows(), columns = waves.columns();
  VertexRenderer &renderer = vertexRenderer();
  for (uint32_t l = 0; l < waves.layerCount(); ++l) {
    RenderPass &pass = waves.layer(l);
    applyRenderPass(pass);
    if (pass.blendBehavior == ENABLE_DEFAULT)
      state.setBlending(true);
    applyMatrices();
    auto emit = [&](uint32_t r, uint32_t c) {
      setColor(math::Color(1.0f, 1.0f, 1.0f, waves.alphaAt(r, c)));
      renderer.texCoord(waves.texCoordAt(r, c));
      renderer.vertex(waves.positionAt(r, c));
    };
    renderer.begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
    rowPairStrip(rows, columns, emit);
    renderer.end();
    releaseRenderPass(pass);
  }
}

void Canvas::drawCloth(ClothSurface &cloth) {
  flush();
  RenderState &state = renderState();
  state.setLighting(true);
  state.setCulling(false);
  state.setDepthWrite(effectiveDepthWrite(true));
  state.setDepthTest(effectiveDepthTest(true));
  state.setBlending(true);
  state.setBlendMode(effectiveBlendMode(BLEND_NORMAL));
  state.setShadeModel(SHADE_SMOOTH);
  Texture *texture = cloth.texture();
  bool mapped = !texture && cloth.environmentMap();
  state.setTexture(texture ? texture : cloth.environmentMap(), 0);
  Material material;
  material.ambient = cloth.color();
  material.diffuse = cloth.color();
  setMaterial(material);
  applyMatrices();

  uint32_t rows = cloth.rows(), columns = cloth.columns();
  VertexRenderer &renderer = vertexRenderer();
  auto emit = [&](uint32_t r, uint32_t c) {
    const math::Vector3 &n = cloth.normalAt(r, c);
    renderer.normal(n);
    if (mapped)
      renderer.texCoord((n.x + 1.0f) / 2.0f, (n.y + 1.0f) / 2.0f);
    else
      renderer.texCoord(cloth.texCoordAt(r, c));
    renderer.vertex(cloth.positionAt(r, c));
  };
  renderer.begin(FORMAT_LIT, PRIMITIVE_TRIANGLE_STRIP);
  rowPairStrip(rows, columns, emit);
  renderer.end();
}

} // namespace video
