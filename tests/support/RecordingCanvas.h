#pragma once
// A canvas that touches no graphics library and records, for every primitive
// its vertex renderer hands over, the vertices and the render state they
// were drawn with. Its render state only keeps its values.

#include "math/Color.h"
#include "mesh/Mesh.h"
#include "support/NullCanvas.h"
#include "support/PlainRenderState.h"
#include "video/RenderState.h"
#include "video/VertexRenderer.h"

#include <cstdint>
#include <vector>

namespace testing_support {

// One primitive as the vertex renderer handed it over.
struct DrawnPrimitive {
  int primitive = 0;
  int format = 0;
  bool twoD = false;
  std::vector<float> positions;
  std::vector<float> texCoords;
  std::vector<float> normals;
  std::vector<uint8_t> colors;
  // The render state at the draw.
  bool blending = false;
  int blendMode = 0;
  bool depthTest = false;
  bool depthWrite = false;
  bool alphaTest = false;
  bool lighting = false;
  bool culling = false;
  int shadeModel = 0;
  Texture *texture = nullptr;
  uint32_t textureStyle = 0;
  // The model matrix at the draw.
  math::Matrix4 model;

  int vertexCount() const { return int(positions.size() / (twoD ? 2 : 3)); }
  math::Vector3 position(int i) const {
    int n = twoD ? 2 : 3;
    return math::Vector3(positions[n * i], positions[n * i + 1],
                         twoD ? 0.0f : positions[n * i + 2]);
  }
  // The position taken through the model matrix.
  math::Vector3 placed(int i) const { return model.transformPoint(position(i)); }
  math::Vector2 texCoord(int i) const {
    return math::Vector2(texCoords[2 * i], texCoords[2 * i + 1]);
  }
  math::Vector3 normal(int i) const {
    return math::Vector3(normals[3 * i], normals[3 * i + 1], normals[3 * i + 2]);
  }
  math::PackedColor color(int i) const {
    return math::PackedColor(colors[4 * i], colors[4 * i + 1], colors[4 * i + 2],
                             colors[4 * i + 3]);
  }
};

// One mesh as the canvas was asked to draw it.
struct DrawnMesh {
  const mesh::Mesh *mesh = nullptr;
  bool cull = false;
  bool depthTest = false;
  math::Matrix4 model;
  math::Color colorTop;
};

class RecordingCanvas : public NullCanvas {
public:
  RecordingCanvas() : m_renderer(*this) {}

  std::vector<DrawnPrimitive> drawn;
  std::vector<DrawnMesh> meshes;

  void drawMesh(const mesh::Mesh &m) override {
    meshes.push_back({&m, m.cull, m.depthTest, matrix(MODEL), colorStackTop()});
  }

  void drawVertices(video::VertexRenderer &renderer) override {
    video::OpenGLVertexRenderer *arrays = renderer.asOpenGLVertexRenderer();
    if (!arrays || arrays->vertexCount() == 0)
      return;
    DrawnPrimitive d;
    d.primitive = renderer.primitive();
    d.format = renderer.format();
    d.twoD = arrays->twoD();
    d.positions.assign(arrays->positions().begin(), arrays->positions().end());
    d.texCoords.assign(arrays->texCoords().begin(), arrays->texCoords().end());
    d.normals.assign(arrays->normals().begin(), arrays->normals().end());
    d.colors.assign(arrays->colors().begin(), arrays->colors().end());
    d.blending = m_state.blending();
    d.blendMode = m_state.blendMode();
    d.depthTest = m_state.depthTest();
    d.depthWrite = m_state.depthWrite();
    d.alphaTest = m_state.alphaTest();
    d.lighting = m_state.lighting();
    d.culling = m_state.culling();
    d.shadeModel = m_state.shadeModel();
    d.texture = m_state.textureAt(0);
    d.textureStyle = m_state.textureStyle(0);
    d.model = matrix(MODEL);
    drawn.push_back(d);
    // As the OpenGL canvas does.
    m_color = math::Color::white;
  }
  video::VertexRenderer &vertexRenderer() override { return m_renderer; }
  video::RenderState &renderState() override { return m_state; }
  const video::RenderState &renderState() const override { return m_state; }
  PlainRenderState &plainState() { return m_state; }

private:
  PlainRenderState m_state;
  video::OpenGLVertexRenderer m_renderer;
};

} // namespace testing_support
