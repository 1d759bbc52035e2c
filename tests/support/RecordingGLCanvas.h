#pragma once
// An OpenGL canvas of its own on the rendering tests' context that keeps
// what reaches the graphics library: every vertex-renderer draw with its
// vertices and the model and projection matrices of the moment, and every
// terrain layer drawn. It still draws. Its render state is reset on making,
// and the shared canvas gets a fresh context when it goes, so the two never
// disagree about the GL's state.

#include "support/GLFixture.h"
#include "video/TerrainSurface.h"
#include "video/VertexRenderer.h"

#include <vector>

namespace gltest {

inline void expectPosition(const math::Vector3 &v, float x, float y, float z) {
  EXPECT_FLOAT_EQ(v.x, x);
  EXPECT_FLOAT_EQ(v.y, y);
  EXPECT_FLOAT_EQ(v.z, z);
}

inline void expectCoordinate(const math::Vector2 &v, float x, float y) {
  EXPECT_FLOAT_EQ(v.x, x);
  EXPECT_FLOAT_EQ(v.y, y);
}

class RecordingGLCanvas : public video::OpenGLCanvas {
public:
  struct Draw {
    int primitive = 0;
    int format = 0;
    std::vector<math::Vector3> positions;
    std::vector<math::Vector2> texCoords;
    std::vector<math::Color> colors;
    std::vector<math::Vector3> normals;
    math::Matrix4 model;
    math::Matrix4 projection;
    bool blending = false;
  };
  struct LayerDraw {
    bool first = false;
    math::Matrix4 model;
    bool blending = false;
  };

  RecordingGLCanvas() {
    gltest::canvas();
    renderState().reset();
    resetMatrices();
  }
  ~RecordingGLCanvas() override { gltest::freshContext(); }

  void drawVertices(video::VertexRenderer &renderer) override {
    video::OpenGLVertexRenderer *r = renderer.asOpenGLVertexRenderer();
    if (!r || r->vertexCount() == 0) {
      OpenGLCanvas::drawVertices(renderer);
      return;
    }
    Draw d;
    d.primitive = renderer.primitive();
    d.format = renderer.format();
    int n = r->vertexCount();
    int stride = r->twoD() ? 2 : 3;
    for (int i = 0; i < n; ++i) {
      const float *p = r->positions().data() + stride * i;
      d.positions.push_back(math::Vector3(p[0], p[1], stride == 3 ? p[2] : 0.0f));
      if (r->texCoords().size() >= 2u * uint32_t(i + 1))
        d.texCoords.push_back(
            math::Vector2(r->texCoords()[2 * uint32_t(i)], r->texCoords()[2 * uint32_t(i) + 1]));
      if (r->normals().size() >= 3u * uint32_t(i + 1)) {
        const float *v = r->normals().data() + 3 * i;
        d.normals.push_back(math::Vector3(v[0], v[1], v[2]));
      }
      const uint8_t *c = r->colors().data() + 4 * i;
      d.colors.push_back(math::Color(c[0] / 255.0f, c[1] / 255.0f, c[2] / 255.0f, c[3] / 255.0f));
    }
    d.model = matrix(MODEL);
    d.projection = matrix(PROJECTION);
    d.blending = renderState().blending();
    draws.push_back(d);
    OpenGLCanvas::drawVertices(renderer);
  }

  void drawTerrainLayer(video::TerrainLayerBuffers &layer, bool first) override {
    layers.push_back({first, matrix(MODEL), renderState().blending()});
    OpenGLCanvas::drawTerrainLayer(layer, first);
  }

  std::vector<Draw> draws;
  std::vector<LayerDraw> layers;
};

} // namespace gltest
