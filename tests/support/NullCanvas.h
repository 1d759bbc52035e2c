#pragma once
// A canvas that draws nothing and touches no graphics library: frames begin
// and end, matrices and colours work, every drawing call is dropped. It
// counts frames and clears so that tests can see the frame protocol. Its
// render state only keeps values, so that textures deleted while it is the
// canvas forget themselves there.

#include "support/PlainRenderState.h"
#include "video/Canvas.h"
#include "video/VertexRenderer.h"

#include <cstdlib>

namespace testing_support {

class NullCanvas : public video::Canvas {
public:
  int frames = 0;
  int clears = 0;
  int lastClearFlags = 0;

  void flush() override {}
  void flushBackend() override {}
  void setScreenProjection(float, float) override {}
  void setCamera(const Camera *camera, const video::CameraView &view) override {
    m_camera = camera;
    m_cameraView = view;
  }
  void clear(int flags) override {
    ++clears;
    lastClearFlags = flags;
  }
  void endFrame() override { ++frames; }
  void setMaterial(const video::Material &) override {}
  void setFog(const Fog &) override {}
  void disableFog() override {}
  void enableClipPlane(int, const float[4]) override {}
  void disableClipPlane(int) override {}
  void drawPoints(const float *, int, int, const uint8_t *, const float *, int, float,
                  const float[3], video::RenderPass &) override {}
  bool readPixels(const math::Rectangle &, int, PixelBuffer &) override { return false; }
  void drawQuadBatch(video::QuadBatch &) override {}
  void drawVertices(video::VertexRenderer &) override {}
  void applyMatrices() override {}
  // Filled shapes gather here and are dropped when drawn.
  video::VertexRenderer &vertexRenderer() override { return m_vertices; }
  video::RenderState &renderState() override { return m_plainState; }
  const video::RenderState &renderState() const override { return m_plainState; }

private:
  PlainRenderState m_plainState;
  video::OpenGLVertexRenderer m_vertices{*this};
};

} // namespace testing_support
